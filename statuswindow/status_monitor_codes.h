// Fixed numbers of the interface between the status-monitor library ZRT7QSMK.DLL and its
// callers (the status window and the launcher): library and entry-point names, job and device
// request codes, and the private window messages the library sends to the status window.
// Portable: plain numbers and names only, so that the portable cores can name them too.
// The function types themselves are in statuswindow/status_monitor_api.h (Win32).
#pragma once

#include <cstdint>

namespace zrt::monitor {

// File name by which the callers load the library.
inline constexpr wchar_t kLibraryFileName[] = L"ZRT7QSMK.DLL";

// Exported entry points (undecorated names, Windows API calling convention).
namespace exports {
inline constexpr char kOpenPrinter[] = "SmPsw_OpenPrinter";
inline constexpr char kClosePrinter[] = "SmPsw_ClosePrinter";
inline constexpr char kGetPrinterStatus[] = "SmPsw_GetPrinterStatus";
inline constexpr char kJobRequest[] = "SmPsw_JobRequest";
inline constexpr char kDeviceRequest[] = "SmPsw_DeviceRequest";
inline constexpr char kChangePrinterName[] = "SmPsw_ChangePrinterName";
inline constexpr char kStartPolling[] = "SmPsw_StartPolling";
inline constexpr char kStopPolling[] = "SmPsw_StopPolling";
inline constexpr char kOpenPrinter2[] = "SmPsw_OpenPrinter2";
inline constexpr char kInvokePSW[] = "SmPsw_InvokePSW";
inline constexpr char kClosePrinter2[] = "SmPsw_ClosePrinter2";

// The names the status window binds (every one must resolve).
inline constexpr const char* kStatusWindowNames[] = {
    kOpenPrinter, kClosePrinter, kGetPrinterStatus, kJobRequest,
    kDeviceRequest, kChangePrinterName, kStartPolling, kStopPolling,
};
// The names the launcher binds (every one must resolve).
inline constexpr const char* kLauncherNames[] = {
    kOpenPrinter2, kClosePrinter2, kJobRequest, kDeviceRequest, kInvokePSW,
};
// Every entry point of the library.
inline constexpr const char* kAllNames[] = {
    kOpenPrinter, kClosePrinter, kGetPrinterStatus, kJobRequest,
    kDeviceRequest, kChangePrinterName, kStartPolling, kStopPolling,
    kOpenPrinter2, kInvokePSW, kClosePrinter2,
};
}  // namespace exports

// Flag of SmPsw_GetPrinterStatus.
enum class StatusQuery : std::uint32_t {
    Refresh = 0,  // status of the running session
    Full = 1,     // full status, after start-up or a reset
};

// Code of SmPsw_JobRequest; the comment names the value passed with it.
enum class JobRequest : std::uint32_t {
    Cancel = 2048,               // job id of the status record
    Pause = 2049,                // 0
    Resume = 2050,               // 0
    Command102 = 2051,           // 0; sent for window command 102, which comes from outside
    ResumeWaitingForUser = 2053, // 0
    MonitoringChanged = 2054,    // new "StatusSense" value, or 0 before Windows 6.0
    SessionRefresh = 2060,       // session id; start-up, Refresh, after paper-size registration
    SessionStart = 2062,         // session id; start-up, before the first show
    WindowVisibility = 2063,     // 1 visible, 0 hidden; every save of the window state
};

// Code of SmPsw_DeviceRequest.
enum class DeviceRequest : std::uint32_t {
    Calibration = 1,              // no input, no output buffer, result word
    PaperSizeSupport = 2,         // 260-byte answer; second 32-bit field 0 = no size list
    RegisteredPaperSize = 3,      // 260-byte answer; 32-bit field at byte 40 = registered code
    RegisterPaperSize = 5,        // input {16, 1, paper code, 0}, result word
    Counter = 9,                  // input {selector}, 4-byte count
    ReadServiceSettings = 11,     // input {12}, answer of 18 bytes
    WriteServiceSettings = 12,    // input of 22 bytes {12, 18 setting bytes}, result word
    PwmAdjustment = 16,           // no input, no output buffer, result word
};

// Byte offsets in device-request answers.
inline constexpr std::uint32_t kPaperSizeSupportFieldOffset = 4;   // answer of request 2
inline constexpr std::uint32_t kRegisteredPaperCodeOffset = 40;    // answer of request 3
inline constexpr std::uint32_t kPaperSizeAnswerSize = 260;         // requests 2 and 3
inline constexpr std::uint32_t kRegisterPaperSizeRecordSize = 16;  // input of request 5
inline constexpr std::uint32_t kServiceSettingsSize = 18;          // requests 11 and 12
inline constexpr std::uint32_t kServiceSettingsSelector = 12;      // first input word of 11 and 12

// Selector (first input word) of device request 9.
enum class CounterSelector : std::uint32_t {
    Mono = 0,
    Colour = 2,
    Black = 5,
    Cyan = 6,
    Magenta = 7,
    Yellow = 8,
    Drum = 9,
};

// Private messages the library sends to the status window (WM_USER + n).
namespace messages {
inline constexpr std::uint32_t kReset = 0x0400 + 2;    // WM_PSW_RESET
inline constexpr std::uint32_t kQuit = 0x0400 + 3;     // WM_PSW_QUIT
inline constexpr std::uint32_t kShow = 0x0400 + 4;     // WM_PSW_SHOW, wParam = launch mode
inline constexpr std::uint32_t kQuitAll = 0x0400 + 7;  // WM_PSW_QUITALL
}  // namespace messages

// Launch mode ("!L"): 1 and 3 = opened at the user's request, 0 and 2 = opened automatically.
inline constexpr std::uint32_t kLaunchModeAutomatic = 0;
inline constexpr std::uint32_t kLaunchModeUser = 1;
inline constexpr std::uint32_t kLaunchModeLauncher = 3;

// Status window program and its command-line switches ("!D" printer, "!P" port, "!L" mode).
inline constexpr wchar_t kStatusWindowProgram[] = L"ZRT7QSWK.EXE";
inline constexpr wchar_t kStatusWindowClass[] = L"PSWC1WindowClass";
// Folder below the system directory where the status window program is installed.
inline constexpr wchar_t kInstalledProgramFolder[] = L"\\spool\\drivers\\w32x86\\3\\";

}  // namespace zrt::monitor
