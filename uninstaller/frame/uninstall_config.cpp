#include "uninstaller/frame/uninstall_config.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/profile_lists.h"
#include "uninstaller/frame/string_ids.h"

namespace zrt::un {
namespace {

class ConfigReader {
public:
    ConfigReader(Profiles& profiles, const std::string& file, MessageCatalog& catalog)
        : profiles_(profiles), file_(file), catalog_(catalog) {}

    std::string raw(const char* section, const char* key) {
        return profiles_.readString(file_, section, key, kNotFoundMarker, kValueBuffer);
    }
    // False (after message 31) when the key is absent.
    bool required(const char* section, const char* key, std::string& out) {
        out = raw(section, key);
        return out != kNotFoundMarker || fail(section, key);
    }
    // A registry key name: an empty value or a leading part of the marker is absent too.
    bool requiredKeyName(const char* key, std::string& out) {
        out = raw("Registrys", key);
        const bool absent = std::string(kNotFoundMarker).compare(0, out.size(), out) == 0;
        return !absent || fail("Registrys", key);
    }
    void optional(const char* section, const char* key, std::string& out) {
        const std::string value = raw(section, key);
        if (value != kNotFoundMarker) {
            out = value;
        }
    }
    std::string list(const char* section) {
        return sectionList(profiles_.readSection(file_, section, kSectionBuffer));
    }

private:
    bool fail(const char* section, const char* key) {
        catalog_.show(kNoWindow, ids::kProfileError, {section, key});
        return false;
    }
    Profiles& profiles_;
    const std::string& file_;
    MessageCatalog& catalog_;
};

// The leading number of a profile value, as the profile functions read integers.
int leadingNumber(const std::string& text) {
    // A number beyond the int range counts as the nearest int, as a 32-bit long would give it.
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void buildDerivedLists(UninstallConfig& c) {
    std::vector<std::string> marks(
        static_cast<std::size_t>(c.uninstallDriverCount + c.uninstallOldDriverCount), "A");
    c.anyVersionMarks = joinList(marks);
    std::vector<std::string> versions;
    for (const std::string* list : {&c.uninstallDrivers, &c.uninstallOldDrivers}) {
        for (const std::string& driver : listEntries(*list)) {
            versions.push_back(driver.find("(FAX)") != std::string::npos
                                   ? c.faxBorderlineVersion
                                   : c.printerBorderlineVersion);
        }
    }
    c.driverBorderlineVersions = joinList(versions);
}

}  // namespace

std::string tempFolderFor(const std::string& windowsDirectory) {
    const std::size_t slash = windowsDirectory.find('\\');
    const std::string root =
        slash == std::string::npos ? windowsDirectory + "\\" : windowsDirectory.substr(0, slash + 1);
    return root + kTempFolderName;
}

bool readConfig(Profiles& profiles, const std::string& file, MessageCatalog& catalog,
                UninstallConfig& c) {
    ConfigReader r(profiles, file, catalog);
    c.uninstallDrivers = r.list("Uninstall Drivers");
    c.uninstallDriverCount = listEntryCount(c.uninstallDrivers);
    c.uninstallOldDrivers = r.list("Uninstall Old Drivers");
    c.uninstallOldDriverCount = listEntryCount(c.uninstallOldDrivers);
    c.messageDebugUi = r.raw("Profiles", "MessageDebugUI");
    const std::string interval = r.raw("Profiles", "MessageDebugInterval");
    c.messageDebugInterval = interval == kNotFoundMarker ? 5000 : leadingNumber(interval);
    if (!r.required("Borderline Driver Versions", "PRT_2KXP", c.printerBorderlineVersion) ||
        !r.required("Borderline Driver Versions", "FAX_2KXP", c.faxBorderlineVersion) ||
        !r.required("Borderline Driver Versions", "OLD_VER", c.oldDriverVersion) ||
        !r.required("PDL", "PDL", c.pdl)) {
        return false;
    }
    buildDerivedLists(c);
    if (!r.requiredKeyName("KEY_PRINTER", c.keyPrinter) ||
        !r.requiredKeyName("KEY_PRINTER2", c.keyPrinter2) ||
        !r.requiredKeyName("KEY_BEFORE", c.keyBefore) ||
        !r.requiredKeyName("KEY_BEFORE2", c.keyBefore2) ||
        !r.requiredKeyName("KEY_BEFORE3", c.keyBefore3) ||
        !r.requiredKeyName("KEY_PDRVCAP", c.keyDriverCaps) ||
        !r.requiredKeyName("KEY_PDRVCAP2", c.keyDriverCaps2)) {
        return false;
    }
    c.registryKeyNames = r.list("Registrys Key");
    if (c.registryKeyNames.empty()) {
        c.registryKeyNames = "Non Printer";
    }
    c.ktmModules = r.list("KTM Modules");
    c.qiraModules = r.list("QIRA Modules");
    if (!r.required("Profiles", "PDL_NAME", c.pdlName) ||
        !r.required("Profiles", "UninstallLevel", c.uninstallLevel)) {
        return false;
    }
    r.optional("Profiles", "PST_DEL", c.pstDelete);
    r.optional("Profiles", "KTMService", c.ktmService);
    std::string jobMonitor = "OFF";
    std::string restoreFile = "OFF";
    r.optional("Profiles", "CheckJobMonitor", jobMonitor);
    r.optional("Profiles", "DelRestoreFile", restoreFile);
    c.checkJobMonitor = equalNoCaseAscii(jobMonitor, "ON");
    c.deleteRestoreFile = equalNoCaseAscii(restoreFile, "ON");
    return true;
}

bool loadConfig(Machine& machine, const ProductFileNames& names, const std::string& tempFolder,
                MessageCatalog& catalog, UninstallConfig& config) {
    static_cast<void>(machine.files.createDirectory(tempFolder));  // an existing one is fine
    const std::string copy = tempFolder + "\\" + names.iniFileName;
    if (machine.files.copyFile(names.iniPath, copy, false) != kErrorSuccess) {
        catalog.show(kNoWindow, ids::kIniNotFound);
        return false;
    }
    static_cast<void>(machine.files.setAttributes(copy, kAttributeNormal));
    return readConfig(machine.profiles, copy, catalog, config);
}

void removeConfigCopy(Files& files, const ProductFileNames& names, const std::string& tempFolder) {
    if (!names.iniFileName.empty()) {
        static_cast<void>(files.deleteFile(tempFolder + "\\" + names.iniFileName));
    }
    static_cast<void>(files.removeDirectory(tempFolder));
}

}  // namespace zrt::un
