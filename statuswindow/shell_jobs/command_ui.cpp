#include "statuswindow/shell_jobs/command_ui.h"

#include <commctrl.h>

namespace zrt::statuswindow::shell_jobs {

namespace {

void enableItem(HMENU menu, std::uint32_t command, bool enabled) {
    if (menu != nullptr) EnableMenuItem(menu, command, static_cast<UINT>(MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)));
}

void setButtonState(HWND toolbar, std::uint32_t command, std::uint32_t state) {
    if (toolbar != nullptr) SendMessageW(toolbar, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

}  // namespace

void applyJobCommandStates(HMENU menu, HWND jobToolbar, const jobcontrol::JobCommandStates& states) {
    for (const jobcontrol::CommandState& s : states.menu)
        enableItem(menu, s.command, s.state == presentation::menu_state::kEnabled);
    for (const jobcontrol::CommandState& s : states.toolbar) setButtonState(jobToolbar, s.command, s.state);
}

void applyOptionStates(HMENU menu, HWND infoToolbar, const jobcontrol::OptionStates& states) {
    enableItem(menu, jobcontrol::command::kCleaning, states.cleaning);
    enableItem(menu, jobcontrol::command::kCalibration, states.calibration);
    enableItem(menu, jobcontrol::command::kPaperSize, states.paperSize);
    enableItem(menu, jobcontrol::command::kConsumables, states.consumables);
    setButtonState(infoToolbar, jobcontrol::command::kConsumables, states.consumablesButton);
}

void grayMenuItems(HMENU menu, const std::vector<std::uint32_t>& items) {
    for (std::uint32_t id : items) enableItem(menu, id, false);
}

jobcontrol::CommandSource commandSourceOf(LPARAM lParam) noexcept {
    return lParam != 0 ? jobcontrol::CommandSource::Toolbar : jobcontrol::CommandSource::Menu;
}

bool menuItemGrayed(HMENU menu, UINT command) {
    const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_GRAYED) != 0;
}

}  // namespace zrt::statuswindow::shell_jobs
