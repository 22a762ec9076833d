// Ids of the uninstaller's string table, shared by the core, the resource script and the tests.
#pragma once

namespace zrt::un::ids {

inline constexpr unsigned kTitleWarning = 3;    // "警告"
inline constexpr unsigned kTitleCritical = 5;   // "重大"
inline constexpr unsigned kMsgDelete = 12;
inline constexpr unsigned kMsgDeleteShared = 13;
inline constexpr unsigned kMsgDeleteConnection = 14;
inline constexpr unsigned kMsgDeleteNetwork = 61;
inline constexpr unsigned kErrPrinterBusy = 2;
inline constexpr unsigned kErrCannotDelete = 4;
inline constexpr unsigned kErrNotAdministrator = 9;
inline constexpr unsigned kErrJobsLeft = 11;
inline constexpr unsigned kErrNoRight = 16;
inline constexpr unsigned kErrContinue = 18;
inline constexpr unsigned kPrintManagerActive = 17;
inline constexpr unsigned kJobMonitorActive = 25;
inline constexpr unsigned kIniNotFound = 30;
inline constexpr unsigned kProfileError = 31;
inline constexpr unsigned kCleanupConfirm = 32;
inline constexpr unsigned kCleanupError = 33;
inline constexpr unsigned kSuiteServiceLeft = 34;
inline constexpr unsigned kSilentConflict = 47;
inline constexpr unsigned kSilentNoPrinterName = 48;
inline constexpr unsigned kSilentNoDriverName = 49;
inline constexpr unsigned kSilentNeedsS = 50;
inline constexpr unsigned kSilentNoTarget = 51;
inline constexpr unsigned kSilentNoLogFile = 52;
inline constexpr unsigned kSilentPrinterRemoved = 54;
inline constexpr unsigned kSilentNothingFound = 55;
inline constexpr unsigned kSilentCleanupDone = 56;
inline constexpr unsigned kSilentDone = 57;
inline constexpr unsigned kSilentCleanupOff = 58;
inline constexpr unsigned kSilentRunning = 59;
inline constexpr unsigned kQiraServiceLeft = 67;
inline constexpr unsigned kUnsupportedSystem = 68;
inline constexpr unsigned kUninstallerTitle = 1106;
inline constexpr unsigned kFirewallError = 1108;
inline constexpr unsigned kOutOfMemory = 1109;

}  // namespace zrt::un::ids
