// Names that follow from the uninstaller's own file name and the INI file beside it.
#pragma once

#include <array>
#include <string>

#include "uninstaller/frame/system/platform.h"
#include "uninstaller/frame/system/profiles.h"
#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

inline constexpr std::size_t kProductFileCount = 15;
inline constexpr std::size_t kExtraFileCount = 5;
inline constexpr std::size_t kNameBuffer = 260;

// A path split as _splitpath splits it.
struct PathParts {
    std::string drive, folder, baseName, extension;
};
PathParts splitPath(const std::string& path);

struct ProductFileNames {
    std::string exeFileName, iniFileName, exePath, iniPath, baseName, prefix;
    std::string pdlName, modelDir, installDir, indexFile;
    std::string uninstallerTitle, productRegistryKey, monitorName, infNameUs9, infNameUsm;
    std::string statusWindowClass, launcherWindowClass;
    std::array<std::string, kProductFileCount> productFiles;
    std::array<std::string, kExtraFileCount> extraFiles;

    // From the program's path and the INI file beside it; false when a name is missing.
    bool load(const std::string& programPath, Profiles& profiles, TextServices& strings);
    // Drive and folder of the program, ending in a backslash.
    std::string programFolder() const;
};

}  // namespace zrt::un
