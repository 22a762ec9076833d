// The job commands in menu and toolbars, the option menu items and the job list rows, from the
// display record and the rules of the core.
#include "statuswindow/shell/main_window.h"

// main_window.h brings windows.h, which commctrl.h builds on.
#include <commctrl.h>

#include "statuswindow/core/job_commands.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

UINT menuItemFlags(bool enabled) { return static_cast<UINT>(MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)); }

}  // namespace

// ---- job commands --------------------------------------------------------------------------

void MainWindow::refreshJobCommands(bool withOptionMenu) {
    const std::optional<status::StatusRecordView> r = record();
    const DumpFacts who = matchFacts(r ? &*r : nullptr);
    const bool grayed = jobCommandsGrayed(who.attachmentKind, who.userMatch, who.computerMatch, r ? &*r : nullptr);
    const HMENU menu = GetMenu(hwnd_);
    for (int i = 0; i < 3; ++i) {
        if (menu != nullptr && raw_.menuStates != nullptr) {
            const presentation::CommandState s = (*raw_.menuStates)[static_cast<std::size_t>(i)];
            const bool gray = grayed || s.state != presentation::menu_state::kEnabled;
            EnableMenuItem(menu, s.command, menuItemFlags(!gray));
        }
        if (jobToolbar_ != nullptr && raw_.toolbarStates != nullptr) {
            const presentation::CommandState s = (*raw_.toolbarStates)[static_cast<std::size_t>(i)];
            SendMessageW(jobToolbar_, TB_SETSTATE, s.command, MAKELPARAM(grayed ? 0 : s.state, 0));
        }
    }
    if (infoToolbar_ != nullptr) {
        const OptionMenuStates o = optionMenuStates(who.attachmentKind, r ? &*r : nullptr, core_.state().lockOut,
                                                    core_.state().display.id);
        SendMessageW(infoToolbar_, TB_SETSTATE, 105, MAKELPARAM(o.consumablesButton, 0));
    }
    if (withOptionMenu) reevaluateOptionMenu();
}

void MainWindow::reevaluateOptionMenu() {
    const HMENU menu = GetMenu(hwnd_);
    if (menu == nullptr) return;
    const std::optional<status::StatusRecordView> r = record();
    const DumpFacts who = matchFacts(r ? &*r : nullptr);
    const OptionMenuStates o =
        optionMenuStates(who.attachmentKind, r ? &*r : nullptr, core_.state().lockOut, core_.state().display.id);
    const auto set = [menu](UINT id, bool on) { EnableMenuItem(menu, id, menuItemFlags(on)); };
    set(104, o.cleaning);
    set(134, o.calibration);
    set(135, o.paperSize);
    set(105, o.consumables);
}

void MainWindow::fillJobList() {
    const std::optional<status::StatusRecordView> r = record();
    const JobListRows rows = jobListContents(r ? &*r : nullptr, core_.state().documentName);
    const Text* texts[3] = {&rows.document, &rows.user, &rows.computer};
    for (int i = 0; i < 3; ++i) {
        // Setting a row repaints the list: only rows that changed are set.
        if (shownJobRows_[i] == *texts[i]) continue;
        shownJobRows_[i] = *texts[i];
        std::wstring text = toWide(*texts[i]);
        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = text.data();
        SendMessageW(child(Pane::JobList), LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace zrt::statuswindow::shell
