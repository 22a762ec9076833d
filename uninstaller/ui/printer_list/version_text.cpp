#include "uninstaller/ui/printer_list/version_text.h"

#include "uninstaller/frame/system_queries.h"

namespace zrt::un {

std::string productDataFile(int osCode, const std::string& systemDirectory,
                            const ProductFileNames& names) {
    if (osCode == kOsNt4) {
        return systemDirectory + "\\Spool\\Drivers\\w32x86\\2\\" + names.productFiles[1];
    }
    if (isWin2000OrLater(osCode)) {
        return systemDirectory + "\\Spool\\Drivers\\w32x86\\3\\" + names.productFiles[2];
    }
    return systemDirectory + "\\" + names.productFiles[0];
}

std::string productVersionText(Profiles& profiles, const std::string& dataFile) {
    return profiles.readString(dataFile, kVersionSection, kVersionKey, kVersionFallback,
                               kVersionBuffer);
}

}  // namespace zrt::un
