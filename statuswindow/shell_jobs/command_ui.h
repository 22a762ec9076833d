// Puts the decided command states on the menu and the toolbars, and tells where a WM_COMMAND
// came from.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "statuswindow/jobcontrol/command_states.h"
#include "statuswindow/jobcontrol/job_actions.h"

namespace zrt::statuswindow::shell_jobs {

// Pause, Resume and Cancel: menu items enabled or grayed, toolbar buttons by TB_SETSTATE. A
// missing menu or toolbar is skipped.
void applyJobCommandStates(HMENU menu, HWND jobToolbar, const jobcontrol::JobCommandStates& states);

// Cleaning, Calibration, Paper size and Consumables in the menu; the consumables button (105)
// of the info toolbar.
void applyOptionStates(HMENU menu, HWND infoToolbar, const jobcontrol::OptionStates& states);

// Grays the menu items of a GrayItems action.
void grayMenuItems(HMENU menu, const std::vector<std::uint32_t>& items);

// A WM_COMMAND with a control window comes from a toolbar button (forwarded by its holder);
// without one from the menu.
jobcontrol::CommandSource commandSourceOf(LPARAM lParam) noexcept;

// Whether a menu item is grayed (MF_GRAYED), for tests and traces.
bool menuItemGrayed(HMENU menu, UINT command);

}  // namespace zrt::statuswindow::shell_jobs
