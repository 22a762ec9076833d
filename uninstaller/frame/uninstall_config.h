// The uninstaller's configuration: what it removes, read from a writable copy of its INI file
// in the temporary folder.
#pragma once

#include <string>

#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/product_file_names.h"

namespace zrt::un {

inline constexpr const char* kNotFoundMarker = "item not found!!";
inline constexpr const char* kTempFolderName = "VRTemp";
inline constexpr std::size_t kValueBuffer = 2048;

struct UninstallConfig {
    std::string uninstallDrivers;
    int uninstallDriverCount = 1;
    std::string uninstallOldDrivers;
    int uninstallOldDriverCount = 1;
    std::string messageDebugUi = kNotFoundMarker;
    int messageDebugInterval = 5000;
    std::string printerBorderlineVersion, faxBorderlineVersion, oldDriverVersion, pdl;
    std::string anyVersionMarks, driverBorderlineVersions;
    std::string keyPrinter, keyPrinter2, keyBefore, keyBefore2, keyBefore3;
    std::string keyDriverCaps, keyDriverCaps2;
    std::string registryKeyNames = "Non Printer";
    std::string ktmModules, qiraModules;
    std::string pdlName, uninstallLevel;
    std::string pstDelete = "ON";
    std::string ktmService = "DEFAULT_STOP";
    bool checkJobMonitor = false;
    bool deleteRestoreFile = false;
};

// The root of the Windows drive followed by "VRTemp".
std::string tempFolderFor(const std::string& windowsDirectory);

// Reads the configuration from `file`; at the first required key that is absent gives
// message 31 naming section and key and returns false.
bool readConfig(Profiles& profiles, const std::string& file, MessageCatalog& catalog,
                UninstallConfig& config);

// Copies the INI file beside the program into `tempFolder`, makes the copy writable and reads
// it; gives message 30 when the copy fails.
bool loadConfig(Machine& machine, const ProductFileNames& names, const std::string& tempFolder,
                MessageCatalog& catalog, UninstallConfig& config);

// Deletes the configuration copy and the temporary folder; failures are ignored.
void removeConfigCopy(Files& files, const ProductFileNames& names, const std::string& tempFolder);

}  // namespace zrt::un
