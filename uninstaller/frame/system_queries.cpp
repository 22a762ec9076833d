#include "uninstaller/frame/system_queries.h"

#include <cstdio>

namespace zrt::un {

int osSubCode = 0;

OsClass classifyOs(const Outcome<OsVersion>& version) {
    OsVersion v;
    if (version) {
        v = version.value();
    }
    OsClass result;
    if (v.platformId == kPlatformWin32s) {
        result.code = kOsWin32s;
    } else if (v.platformId == kPlatformNt) {
        if (v.major == 4) {
            result.code = kOsNt4;
        } else if (v.major == 5) {
            result.code = kOsNt5;
            result.subCode = v.minor == 0 ? kOsSub2000 : v.minor == 1 ? kOsSubXp : kOsSub2003;
        } else {
            result.code = kOsNt6;
        }
    } else {  // 9x, and any platform the uninstaller does not know
        result.code = v.minor == 0 ? kOsWin95 : kOsWin98Me;
    }
    return result;
}

int osCode(Platform& platform) {
    const OsClass os = classifyOs(platform.osVersion());
    if (os.code == kOsNt5) {
        osSubCode = os.subCode;
    }
    return os.code;
}

int driverEnvironment(int kind, int osCodeValue, std::string& name) {
    switch (kind) {
    case 0:
        name = "Windows 4.0";
        return isWin9x(osCodeValue) ? 1024 : 0;
    case 1:
    case 2:
    case 3:
        name = "Windows NT x86";
        return kind;
    case 4:
        name = "Windows IA64";
        return 3;
    case 5:
        name = "Windows x64";
        return 3;
    case 1024:
        name = "Windows 4.0";
        return 1024;
    default:
        return kind;
    }
}

bool isAdministrator(Platform& platform) {
    const auto groups = platform.tokenGroups();
    if (!groups) {
        return groups.error() == kErrorCallNotImplemented;
    }
    const Sid administrators{kNtAuthority, {kBuiltinDomainRid, kAdministratorsRid}};
    for (const TokenGroup& group : groups.value()) {
        if (group.sid == administrators) {  // enabled or not
            return true;
        }
    }
    return false;
}

bool isProcessRunning(Machine& machine, const std::string& baseName) {
    if (isWin9x(osCode(machine.platform))) {
        return false;
    }
    const auto names = machine.processes.mainModuleNames(kMaxProcesses);
    if (!names) {
        return false;
    }
    for (const std::string& name : names.value()) {
        if (name == baseName) {  // case-sensitive
            return true;
        }
    }
    return false;
}

bool fileProductVersion(Files& files, const std::string& path, std::string& out) {
    std::string language = "040904e4";
    const auto translation = files.versionValue(path, "\\VarFileInfo\\Translation");
    if (!translation && translation.error() == kErrorResourceTypeNotFound) {
        return false;
    }
    if (translation && translation.value().size() == 4) {
        const auto& t = translation.value();
        const auto byte = [&t](std::size_t i) { return static_cast<unsigned char>(t[i]); };
        char buffer[16];
        // The language word, then the code page word, each high byte first.
        std::snprintf(buffer, sizeof buffer, "%02x%02x%02x%02x", byte(1), byte(0), byte(3),
                      byte(2));
        language = buffer;
    }
    const auto version =
        files.versionValue(path, "\\StringFileInfo\\" + language + "\\ProductVersion");
    if (!version) {
        return false;
    }
    out = version.value();
    return true;
}

}  // namespace zrt::un
