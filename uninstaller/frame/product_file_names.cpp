#include "uninstaller/frame/product_file_names.h"

#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/string_ids.h"

namespace zrt::un {
namespace {

constexpr std::array<const char*, kProductFileCount> kProductTemplates = {
    "%sINA.DAT", "%sINN.DAT", "%sINK.DAT", "%sSTA.DLL", "%sSTU.DLL",
    "%sSTU.DLL", "%sSWA.BIN", "%sSWN.EXE", "%sSWK.EXE", "%sMU.DLL",
    "%sMU.DLL",  "%sMUI.DLL", "%sLMA.DLL", "%sLMN.DLL", "%sLMK.DLL",
};
constexpr std::array<const char*, kExtraFileCount> kExtraTemplates = {
    "%sLMA.DLL", "%sEMA.DLL", "%sSMA.DLL", "%sPMA.DLL", "%sPTA.DLL",
};

}  // namespace

PathParts splitPath(const std::string& path) {
    PathParts parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest = rest.substr(2);
    }
    const std::size_t slash = rest.find_last_of("\\/");
    if (slash != std::string::npos) {
        parts.folder = rest.substr(0, slash + 1);
        rest = rest.substr(slash + 1);
    }
    const std::size_t dot = rest.rfind('.');
    if (dot != std::string::npos) {
        parts.extension = rest.substr(dot);
        rest = rest.substr(0, dot);
    }
    parts.baseName = rest;
    return parts;
}

std::string ProductFileNames::programFolder() const {
    return exePath.substr(0, exePath.size() - exeFileName.size());
}

bool ProductFileNames::load(const std::string& programPath, Profiles& profiles,
                            TextServices& strings) {
    *this = ProductFileNames{};
    const PathParts parts = splitPath(programPath);
    baseName = parts.baseName;
    exeFileName = parts.baseName + ".EXE";
    iniFileName = parts.baseName + ".INI";
    exePath = parts.drive + parts.folder + exeFileName;
    iniPath = parts.drive + parts.folder + iniFileName;
    prefix = parts.baseName.substr(0, 5);

    pdlName = profiles.readString(iniPath, "Profiles", "PDL_NAME", "", kNameBuffer);
    if (pdlName.empty()) {
        return false;
    }
    modelDir = profiles.readString(iniPath, "MasterInstManualPath", "ModelDir", "", kNameBuffer);
    installDir =
        profiles.readString(iniPath, "MasterInstManualPath", "InstallDir", "", kNameBuffer);
    indexFile = profiles.readString(iniPath, "MasterInstManualPath", "IndexFile", "", kNameBuffer);
    if (prefix.empty() || parts.baseName.empty()) {
        return false;
    }
    uninstallerTitle = replaceFirstPercentS(strings.loadString(ids::kUninstallerTitle), pdlName);
    productRegistryKey = "SOFTWARE\\Vemar\\" + prefix;
    monitorName = prefix + " Monitor";
    infNameUs9 = "Vemar" + prefix + "us9.inf";
    infNameUsm = "Vemar" + prefix + "usm.inf";
    statusWindowClass = "PSWC1WindowClass";
    launcherWindowClass = "launch_notifyicon";
    for (std::size_t i = 0; i < kProductFileCount; ++i) {
        productFiles[i] = replaceFirstPercentS(kProductTemplates[i], prefix);
    }
    for (std::size_t i = 0; i < kExtraFileCount; ++i) {
        extraFiles[i] = replaceFirstPercentS(kExtraTemplates[i], prefix);
    }
    return true;
}

}  // namespace zrt::un
