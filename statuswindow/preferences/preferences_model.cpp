#include "statuswindow/preferences/preferences_model.h"

namespace zrt::statuswindow::preferences {

namespace {

bool inRange(std::uint32_t id, std::uint32_t first, std::uint32_t last) noexcept { return id >= first && id <= last; }

std::uint32_t soundRadioFor(std::uint32_t soundMessage) noexcept {
    switch (soundMessage) {
        case 1: return IDC_SOUND_ERRORS_ONLY;
        case 2: return IDC_SOUND_NONE;
        default: return IDC_SOUND_ALL;
    }
}

std::uint32_t monitorRadioFor(std::uint32_t statusSense) noexcept {
    switch (statusSense) {
        case 0: return IDC_MONITOR_WHILE_PRINTING;
        case 1: return IDC_MONITOR_ALWAYS;
        default: return IDC_MONITOR_WHILE_SHOWN;
    }
}

}  // namespace

InitialControls initialControls(const Preferences& live, const DialogFacts& facts) {
    InitialControls c;
    c.showingRadio = live.showing == 1 ? IDC_SHOW_ON_ERROR_ONLY : IDC_SHOW_WHEN_PRINTING;
    c.soundRadio = soundRadioFor(live.soundMessage);
    c.monitorRadio = monitorRadioFor(live.statusSense);
    c.alwaysOnTopChecked = live.alwaysOnTop != 0;
    if (!facts.waveDeviceExists)
        for (std::uint32_t id = IDC_SOUND_LABEL; id <= IDC_SOUND_NONE; ++id) c.disabled.push_back(id);
    if (facts.attachmentKind == 0)
        for (std::uint32_t id = IDC_MONITOR_ALWAYS; id <= IDC_MONITOR_WHILE_SHOWN; ++id) c.disabled.push_back(id);
    return c;
}

std::optional<PreferencesDialogModel::RadioGroup> PreferencesDialogModel::onClick(std::uint32_t id,
                                                                                  bool checked) noexcept {
    switch (id) {
        case IDC_SHOW_WHEN_PRINTING: working_.showing = 0; break;
        case IDC_SHOW_ON_ERROR_ONLY: working_.showing = 1; break;
        case IDC_SOUND_ALL: working_.soundMessage = 0; break;
        case IDC_SOUND_ERRORS_ONLY: working_.soundMessage = 1; break;
        case IDC_SOUND_NONE: working_.soundMessage = 2; break;
        case IDC_MONITOR_ALWAYS: working_.statusSense = 1; break;
        case IDC_MONITOR_WHILE_PRINTING: working_.statusSense = 0; break;
        case IDC_MONITOR_WHILE_SHOWN: working_.statusSense = 2; break;
        case IDC_ALWAYS_ON_TOP: working_.alwaysOnTop = checked ? 1 : 0; return std::nullopt;
        default: return std::nullopt;
    }
    if (inRange(id, IDC_SHOW_WHEN_PRINTING, IDC_SHOW_ON_ERROR_ONLY))
        return RadioGroup{IDC_SHOW_WHEN_PRINTING, IDC_SHOW_ON_ERROR_ONLY};
    if (inRange(id, IDC_SOUND_ALL, IDC_SOUND_NONE)) return RadioGroup{IDC_SOUND_ALL, IDC_SOUND_NONE};
    return RadioGroup{IDC_MONITOR_ALWAYS, IDC_MONITOR_WHILE_SHOWN};
}

std::vector<SettingWrite> settingsWrittenOnOk(const Preferences& w, std::uint32_t windowsMajor) {
    std::vector<SettingWrite> writes{{kShowing, w.showing}, {kSoundMessage, w.soundMessage}};
    if (windowsMajor < kMonitoringInLibraryFromMajor) writes.push_back({kStatusSense, w.statusSense});
    writes.push_back({kAlwaysOnTop, w.alwaysOnTop});
    return writes;
}

AfterDialog afterDialog(const Preferences& before, const Preferences& after, std::uint32_t windowsMajor) noexcept {
    AfterDialog a;
    if (before.statusSense != after.statusSense)
        a.monitoringRequestValue = windowsMajor >= kMonitoringInLibraryFromMajor ? after.statusSense : 0;
    a.topmost = after.alwaysOnTop != 0;
    return a;
}

}  // namespace zrt::statuswindow::preferences
