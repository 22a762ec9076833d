// What a job command asks of the status-monitor library and of the window: the command id and
// where it came from (menu, or a toolbar button forwarded by its holder) give a short list of
// actions that the window carries out in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "statuswindow/jobcontrol/command_states.h"
#include "statuswindow/record/status_record.h"

namespace zrt::statuswindow::jobcontrol {

enum class CommandSource {
    Menu,     // WM_COMMAND from the menu (no control window)
    Toolbar,  // a toolbar button, forwarded by its holder window
};

// Whether a WM_COMMAND is a child control's notification rather than a command: it comes from
// a control window with a code other than a button click (0). Commands come from the menu, the
// accelerators (no control) or the toolbar buttons (code 0). The detail pane's edit control
// sends EN_VSCROLL and the like also when its text is replaced, so such notifications must not
// count as the user touching the window, or the window would never close itself after a job.
constexpr bool isControlNotification(bool fromControlWindow, std::uint32_t notificationCode) noexcept {
    return fromControlWindow && notificationCode != 0;
}

enum class ActionKind {
    JobRequest,          // SmPsw_JobRequest(handle, a = code, b = value)
    RequestStatus,       // SmPsw_GetPrinterStatus(handle, a = flag)
    DeviceRequest,       // SmPsw_DeviceRequest(handle, a = code, none, 0, none, out result word)
    SubmitCleaningPage,  // the cleaning page over the spooler
    GrayItems,           // gray the menu items of grayedItems()
    RefreshJobCommands,  // job menu items and toolbars again
};

// Which items a GrayItems action grays.
enum class GrayedSet : std::uint32_t {
    AfterDeviceCommand = 1,  // 104, 134, 135
    AfterResumeWaiting = 2,  // 104, 134
};

struct JobAction {
    ActionKind kind;
    std::uint32_t a = 0;
    std::uint32_t b = 0;

    friend bool operator==(const JobAction& x, const JobAction& y) noexcept {
        return x.kind == y.kind && x.a == y.a && x.b == y.b;
    }
    friend bool operator!=(const JobAction& x, const JobAction& y) noexcept { return !(x == y); }
};

// The menu items a GrayItems action grays.
std::vector<std::uint32_t> grayedItems(const JobAction& action);

// What the command needs to know about the window.
struct JobCommandContext {
    const status::StatusRecordView* record = nullptr;  // the held status record, or none
    std::uint32_t displayId = 0;                       // id of the current display record
    std::uint32_t sessionId = 0;                       // ProcessIdToSessionId of this process
};

// Actions of the commands 100 (Pause), 101 (Resume), 102, 103 (Cancel), 104 (Cleaning),
// 106 (Refresh) and 134 (Calibration); any other command gives none here.
std::vector<JobAction> jobCommandActions(std::uint32_t command, CommandSource source,
                                         const JobCommandContext& context);

// Whether a command is one of those above.
bool isJobCommand(std::uint32_t command) noexcept;

// Resume: 2053 (the printer waits for the user) or 2050, or nothing (toolbar, paper out).
enum class ResumeRequest { None, Resume, ResumeWaitingForUser };
ResumeRequest resumeRequest(CommandSource source, const status::StatusRecordView* record,
                            std::uint32_t displayId) noexcept;

// "JobRequest(2049, 0)", "GrayItems(1)": for test messages.
std::string describe(const JobAction& action);

// Display id under which the Resume button does nothing (paper out during a job).
inline constexpr std::uint32_t kResumeButtonInertDisplay = 409;

}  // namespace zrt::statuswindow::jobcontrol
