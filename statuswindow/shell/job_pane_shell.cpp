// The job pane and job control of the main window: the job commands in menu and toolbars, the
// option menu items, the job list's texts, the commands' requests, the preferences dialog and
// the sounds, carried out from the decisions of jobcontrol, preferences and sounds.
#include "statuswindow/shell/main_window.h"

// main_window.h brings windows.h, which commctrl.h builds on.
#include <commctrl.h>

#include "statuswindow/jobcontrol/command_states.h"
#include "statuswindow/jobcontrol/job_pane.h"
#include "statuswindow/preferences/preferences_model.h"
#include "statuswindow/shell_jobs/cleaning_page_submitter.h"
#include "statuswindow/shell_jobs/command_ui.h"
#include "statuswindow/shell_jobs/preferences_dialog.h"
#include "statuswindow/shell_jobs/sound_player.h"
#include "statuswindow/shell_jobs/sound_table_loader.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

jobcontrol::JobOwnership ownership(const DumpFacts& who) {
    return {who.attachmentKind, who.userMatch, who.computerMatch};
}

}  // namespace

// ---- job commands --------------------------------------------------------------------------

void MainWindow::refreshJobCommands(bool withOptionMenu) {
    const std::optional<status::StatusRecordView> r = record();
    const DumpFacts who = matchFacts(r ? &*r : nullptr);
    shell_jobs::applyJobCommandStates(
        GetMenu(hwnd_), jobToolbar_,
        jobcontrol::jobCommandStates(ownership(who), r ? &*r : nullptr, raw_.menuStates, raw_.toolbarStates));
    const jobcontrol::OptionStates o =
        jobcontrol::optionStates(ownership(who), r ? &*r : nullptr, core_.state().lockOut, core_.state().display.id);
    // The consumables button here; the option menu items only when asked.
    shell_jobs::applyOptionStates(withOptionMenu ? GetMenu(hwnd_) : nullptr, infoToolbar_, o);
}

void MainWindow::reevaluateOptionMenu() {
    const std::optional<status::StatusRecordView> r = record();
    const DumpFacts who = matchFacts(r ? &*r : nullptr);
    shell_jobs::applyOptionStates(
        GetMenu(hwnd_), nullptr,
        jobcontrol::optionStates(ownership(who), r ? &*r : nullptr, core_.state().lockOut, core_.state().display.id));
}

shell_jobs::Column1Texts MainWindow::jobListTexts() const {
    const std::optional<status::StatusRecordView> r = record();
    return jobcontrol::jobListColumn1(r ? &*r : nullptr, core_.state().documentName);
}

void MainWindow::runJobActions(const std::vector<jobcontrol::JobAction>& actions) {
    for (const jobcontrol::JobAction& a : actions) {
        switch (a.kind) {
            case jobcontrol::ActionKind::JobRequest: jobRequest(a.a, a.b); break;
            case jobcontrol::ActionKind::RequestStatus: requestStatus(a.a); break;
            case jobcontrol::ActionKind::DeviceRequest:
                if (libs_.monitor.deviceRequest != nullptr && monitorHandle_ != nullptr) {
                    DWORD result = 0;
                    libs_.monitor.deviceRequest(monitorHandle_, a.a, nullptr, 0, nullptr, &result);
                }
                break;
            case jobcontrol::ActionKind::SubmitCleaningPage:
                shell_jobs::submitCleaningPage(toWide(core_.state().printerName), shell_jobs::systemDirectory());
                break;
            case jobcontrol::ActionKind::GrayItems:
                shell_jobs::grayMenuItems(GetMenu(hwnd_), jobcontrol::grayedItems(a));
                break;
            case jobcontrol::ActionKind::RefreshJobCommands: refreshJobCommands(true); break;
        }
    }
}

// ---- preferences -----------------------------------------------------------------------------

void MainWindow::openPreferences() {
    const preferences::Preferences before{core_.state().showing, statusSense_, soundMessage_, alwaysOnTop_ ? 1u : 0u};
    shell_jobs::PreferencesDialogSetup setup;
    setup.live = before;
    setup.facts = {waveDevice_, matchFacts(nullptr).attachmentKind};
    setup.windowsMajor = shell_jobs::windowsMajorVersion();
    setup.writeSetting = [this](std::u16string_view name, std::uint32_t value) { return settings().write(name, value); };
    setup.help = &help_;
    const shell_jobs::PreferencesDialogResult result = shell_jobs::runPreferencesDialog(instance_, hwnd_, setup);
    if (hwnd_ == nullptr) return;

    core_.state().showing = result.live.showing;
    statusSense_ = result.live.statusSense;
    soundMessage_ = result.live.soundMessage;
    alwaysOnTop_ = result.live.alwaysOnTop != 0;
    const preferences::AfterDialog after = preferences::afterDialog(before, result.live, setup.windowsMajor);
    if (after.monitoringRequestValue) jobRequest(job_request::kStatusSense, *after.monitoringRequestValue);
    SetWindowPos(hwnd_, after.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

// ---- sounds ----------------------------------------------------------------------------------

void MainWindow::playSound(TextView soundName) {
    if (soundTable_.empty()) soundTable_ = shell_jobs::loadSoundTable();  // the load at creation failed
    if (const std::optional<Text> file = sounds::fileToPlay(soundTable_, soundName, soundMessage_, waveDevice_))
        shell_jobs::playSoundFile(toWide(*file));
}

}  // namespace zrt::statuswindow::shell
