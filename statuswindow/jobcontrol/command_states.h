// States of the commands of the job pane: Pause, Resume and Cancel in the menu and on the job
// toolbar (from the display's state sets, grayed for jobs that are not ours), the option menu
// items and the consumables button.
#pragma once

#include <array>
#include <cstdint>

#include "presentation/core/display_values.h"
#include "statuswindow/core/job_commands.h"
#include "statuswindow/record/status_record.h"

namespace zrt::statuswindow::jobcontrol {

using presentation::CommandState;
using presentation::CommandStateSet;

// Command ids of the menu and the toolbars.
namespace command {
inline constexpr std::uint32_t kPause = presentation::command::kPause;    // 100
inline constexpr std::uint32_t kResume = presentation::command::kResume;  // 101
inline constexpr std::uint32_t kOutsideRequest = 102;
inline constexpr std::uint32_t kCancel = presentation::command::kCancel;  // 103
inline constexpr std::uint32_t kCleaning = 104;
inline constexpr std::uint32_t kConsumables = 105;
inline constexpr std::uint32_t kRefresh = 106;
inline constexpr std::uint32_t kPreferences = 120;
inline constexpr std::uint32_t kHelpTopics = 130;
inline constexpr std::uint32_t kAbout = 133;
inline constexpr std::uint32_t kCalibration = 134;
inline constexpr std::uint32_t kPaperSize = 135;
}  // namespace command

// The job commands in the order of a state set.
inline constexpr std::array<std::uint32_t, 3> kJobCommands{command::kPause, command::kResume, command::kCancel};

// Who the held job belongs to, as the attachment rules see it.
struct JobOwnership {
    std::uint32_t attachmentKind = 1;  // 0 shared on a server, 1 local or USB, 2 network port
    int userMatch = 0;                 // 0 = the record's user is this user
    int computerMatch = 0;             // 0 = the record's computer is this computer
};

// Menu states (presentation::menu_state) and toolbar states (TBSTATE_* values) of Pause,
// Resume and Cancel, in that order.
struct JobCommandStates {
    CommandStateSet menu{};
    CommandStateSet toolbar{};

    std::uint32_t menuState(std::uint32_t command) const noexcept;
    std::uint32_t toolbarState(std::uint32_t command) const noexcept;
};

// The states the display asks for, unless the job is not ours (not local, and neither user nor
// computer matches) or the held record's job id is 0: then the menu grays and the toolbar
// disables all three. A display without a state set (none mapped yet) grays its commands; a
// set that lacks a command grays that command.
JobCommandStates jobCommandStates(const JobOwnership& owner, const status::StatusRecordView* record,
                                  const CommandStateSet* menuStates, const CommandStateSet* toolbarStates);

// Option menu items and the consumables button (Cleaning, Calibration, Paper size,
// Consumables), re-evaluated at every delivery and when the lock-out of timer 6 ends.
using OptionStates = statuswindow::OptionMenuStates;
OptionStates optionStates(const JobOwnership& owner, const status::StatusRecordView* record, bool lockOut,
                          std::uint32_t displayId) noexcept;

// Items grayed at once after Cleaning, Calibration and the PWM adjustment, until the next
// re-evaluation.
inline constexpr std::array<std::uint32_t, 3> kGrayedAfterDeviceCommand{command::kCleaning, command::kCalibration,
                                                                      command::kPaperSize};
// Items grayed after "Resume while the printer waits for the user".
inline constexpr std::array<std::uint32_t, 2> kGrayedAfterResumeWaiting{command::kCleaning, command::kCalibration};

}  // namespace zrt::statuswindow::jobcontrol
