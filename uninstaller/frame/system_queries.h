// Questions every part of the uninstaller asks of the system: the Windows family, the driver
// environment of a driver version, administrator rights, running processes, file versions.
#pragma once

#include <string>

#include "uninstaller/frame/system/machine.h"

namespace zrt::un {

// Operating-system codes.
inline constexpr int kOsWin32s = 1;
inline constexpr int kOsWin95 = 2;
inline constexpr int kOsWin98Me = 3;
inline constexpr int kOsNt4 = 5;
inline constexpr int kOsNt5 = 6;
inline constexpr int kOsNt6 = 10;
// Sub-codes of kOsNt5.
inline constexpr int kOsSub2000 = 7;
inline constexpr int kOsSubXp = 8;
inline constexpr int kOsSub2003 = 9;

inline constexpr std::size_t kEnvironmentBuffer = 260;
inline constexpr std::size_t kMaxProcesses = 1024;

struct OsClass {
    int code = kOsWin98Me;
    int subCode = 0;  // set when code is kOsNt5
};

OsClass classifyOs(const Outcome<OsVersion>& version);
inline bool isWin9x(int osCode) { return osCode == kOsWin95 || osCode == kOsWin98Me; }
inline bool isNtFamily(int osCode) {
    return osCode == kOsNt4 || osCode == kOsNt5 || osCode == kOsNt6;
}
inline bool isWin2000OrLater(int osCode) { return osCode == kOsNt5 || osCode == kOsNt6; }

// The system's code; the last sub-code it set is kept in `osSubCode`.
int osCode(Platform& platform);
extern int osSubCode;

// The spooler's environment name for a driver version or processor kind, written into `name`
// (left untouched for an unknown kind), and the driver version to use with it.
int driverEnvironment(int kind, int osCodeValue, std::string& name);

bool isAdministrator(Platform& platform);
bool isProcessRunning(Machine& machine, const std::string& baseName);
bool fileProductVersion(Files& files, const std::string& path, std::string& out);

}  // namespace zrt::un
