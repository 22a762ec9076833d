// Fixed numbers of the status window's main window: private messages, timers, child control
// ids, job request codes and settings value names. Shared by the core and the Win32 shell.
#pragma once

#include <cstdint>

#include "statuswindow/status_monitor_codes.h"

namespace zrt::statuswindow {

// Private messages (WM_USER + n), as the status-monitor library sends them.
namespace message {
inline constexpr std::uint32_t kReset = monitor::messages::kReset;      // WM_PSW_RESET
inline constexpr std::uint32_t kQuit = monitor::messages::kQuit;        // WM_PSW_QUIT
inline constexpr std::uint32_t kShow = monitor::messages::kShow;        // WM_PSW_SHOW
inline constexpr std::uint32_t kQuitAll = monitor::messages::kQuitAll;  // WM_PSW_QUITALL
}  // namespace message

namespace timer {
inline constexpr std::uint32_t kAnimation = 1;
inline constexpr std::uint32_t kStatusRetry = 5;
inline constexpr std::uint32_t kLockOut = 6;
inline constexpr std::uint32_t kAutoClose = 8;
inline constexpr std::uint32_t kServiceKeys = 9;
inline constexpr std::uint32_t kPortWatch = 13;

inline constexpr std::uint32_t kStatusRetryMs = 3000;
inline constexpr std::uint32_t kLockOutMs = 30000;
inline constexpr std::uint32_t kAutoCloseMs = 5000;
inline constexpr std::uint32_t kServiceKeysMs = 5000;
inline constexpr std::uint32_t kPortWatchMs = 3000;
inline constexpr std::uint32_t kAnimationBlankMs = 500;
}  // namespace timer

// Child windows of the main window (control ids).
enum class Pane : std::uint32_t {
    MainWindow = 0,  // the whole main window
    HelpArea = 501,
    Detail = 502,
    Headline = 503,
    Picture = 504,
    StatusBar = 505,
    JobList = 508,
    JobToolbarHolder = 510,
    InfoToolbarHolder = 511,
    Icon = 512,
    Progress = 513,
    JobListCaption = 514,
};

// Requests to the status-monitor library.
namespace job_request {
constexpr std::uint32_t code(monitor::JobRequest r) noexcept { return static_cast<std::uint32_t>(r); }
inline constexpr std::uint32_t kCancel = code(monitor::JobRequest::Cancel);
inline constexpr std::uint32_t kPause = code(monitor::JobRequest::Pause);
inline constexpr std::uint32_t kResume = code(monitor::JobRequest::Resume);
inline constexpr std::uint32_t kCommand102 = code(monitor::JobRequest::Command102);
inline constexpr std::uint32_t kResumeWaiting = code(monitor::JobRequest::ResumeWaitingForUser);
inline constexpr std::uint32_t kStatusSense = code(monitor::JobRequest::MonitoringChanged);
inline constexpr std::uint32_t kSession = code(monitor::JobRequest::SessionRefresh);
inline constexpr std::uint32_t kBeforeFirstShow = code(monitor::JobRequest::SessionStart);
inline constexpr std::uint32_t kWindowVisible = code(monitor::JobRequest::WindowVisibility);
}  // namespace job_request

// Flags of SmPsw_GetPrinterStatus.
inline constexpr std::uint32_t kFullStatus = static_cast<std::uint32_t>(monitor::StatusQuery::Full);
inline constexpr std::uint32_t kRefreshStatus = static_cast<std::uint32_t>(monitor::StatusQuery::Refresh);

// Values of the per-printer settings key (REG_DWORD) and their defaults.
namespace setting {
inline constexpr char16_t kLeft[] = u"Left";
inline constexpr char16_t kTop[] = u"Top";
inline constexpr char16_t kSetFocus[] = u"SetFocus";
inline constexpr char16_t kShowing[] = u"Showing";
inline constexpr char16_t kAlwaysOnTop[] = u"AlwaysOnTop";
inline constexpr char16_t kSoundMessage[] = u"SoundMessage";
inline constexpr char16_t kStatusSense[] = u"StatusSense";
inline constexpr char16_t kLastWindowVisiblity[] = u"LastWindowVisiblity";
inline constexpr char16_t kLastWindowState[] = u"LastWindowState";
inline constexpr char16_t kIsQuitDuringPrinting[] = u"IsQuitDuringPrinting";
inline constexpr char16_t kDispStatus[] = u"DISPSTATUS";

inline constexpr std::uint32_t kDefaultPosition = 100;
inline constexpr std::uint32_t kDefaultStatusSense = 2;
}  // namespace setting

// Command id of the main window's accelerators (Tab, Shift+Tab): consumed without action.
inline constexpr std::uint32_t kCommandTab = 9010;
inline constexpr std::uint32_t kCommandShiftTab = 9011;

// wParam of WM_COPYDATA that asks the program to quit.
inline constexpr std::uintptr_t kQuitCopyDataWParam = 1027;

}  // namespace zrt::statuswindow
