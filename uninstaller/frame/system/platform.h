// The running system: its version, 64-bit Windows under a 32-bit process, the process token's
// groups, and the folders the uninstaller works in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

// VER_PLATFORM_* values.
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows = 1;  // 95, 98, Me
inline constexpr std::uint32_t kPlatformNt = 2;

struct OsVersion {
    std::uint32_t platformId = kPlatformWindows;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

// A security identifier: identifier authority and sub-authorities.
struct Sid {
    std::uint64_t authority = 0;
    std::vector<std::uint32_t> subAuthorities;
    bool operator==(const Sid& other) const {
        return authority == other.authority && subAuthorities == other.subAuthorities;
    }
};

inline constexpr std::uint64_t kNtAuthority = 5;
inline constexpr std::uint32_t kBuiltinDomainRid = 32;
inline constexpr std::uint32_t kAdministratorsRid = 544;

struct TokenGroup {
    Sid sid;
    std::uint32_t attributes = 0;  // SE_GROUP_* (enabled is 0x4)
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual Outcome<OsVersion> osVersion() = 0;
    // kErrorProcNotFound when the system offers no such query (no 64-bit Windows).
    virtual Outcome<bool> isWow64Process() = 0;
    // The process token's groups. kErrorCallNotImplemented where the system has no tokens;
    // other errors when the token cannot be opened, sized or read.
    virtual Outcome<std::vector<TokenGroup>> tokenGroups() = 0;
    virtual std::string windowsDirectory() = 0;
    virtual std::string systemDirectory() = 0;
    // Full path of the running program.
    virtual std::string modulePath() = 0;
    virtual std::string commandLineArguments() = 0;
};

}  // namespace zrt::un
