// The preferences dialog as values: the four preferences, which controls the dialog checks and
// disables when it opens, how clicks change the working copies, what OK writes to the
// per-printer settings key on which Windows version, and what the main window does afterwards
// (tell the status-monitor library a new monitoring choice, set the z-order).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "statuswindow/preferences/preferences_ids.h"

namespace zrt::statuswindow::preferences {

// "Showing", "StatusSense", "SoundMessage", "AlwaysOnTop" with their defaults.
struct Preferences {
    std::uint32_t showing = 0;       // 0 show when printing starts, 1 only on errors
    std::uint32_t statusSense = 2;   // 0 while printing, 1 always, 2 while the window is shown
    std::uint32_t soundMessage = 0;  // 0 all sounds, 1 error sounds only, 2 none
    std::uint32_t alwaysOnTop = 0;   // 1 topmost

    friend bool operator==(const Preferences& a, const Preferences& b) noexcept {
        return a.showing == b.showing && a.statusSense == b.statusSense && a.soundMessage == b.soundMessage &&
               a.alwaysOnTop == b.alwaysOnTop;
    }
};

inline constexpr std::u16string_view kShowing = u"Showing";
inline constexpr std::u16string_view kStatusSense = u"StatusSense";
inline constexpr std::u16string_view kSoundMessage = u"SoundMessage";
inline constexpr std::u16string_view kAlwaysOnTop = u"AlwaysOnTop";

// What the dialog's environment tells it.
struct DialogFacts {
    bool waveDeviceExists = true;
    std::uint32_t attachmentKind = 1;  // 0 shared on a server: monitoring is not the user's choice
};

// The controls as WM_INITDIALOG sets them.
struct InitialControls {
    std::uint32_t showingRadio = IDC_SHOW_WHEN_PRINTING;
    std::uint32_t soundRadio = IDC_SOUND_ALL;
    std::uint32_t monitorRadio = IDC_MONITOR_WHILE_SHOWN;
    bool alwaysOnTopChecked = false;
    std::vector<std::uint32_t> disabled;  // controls disabled when the dialog opens
};
InitialControls initialControls(const Preferences& live, const DialogFacts& facts);

// The working copies between WM_INITDIALOG and OK.
class PreferencesDialogModel {
public:
    explicit PreferencesDialogModel(const Preferences& live) : working_(live) {}

    // A click on a radio button or the check box (checked: its state after the click). Other
    // controls are ignored. Returns the radio group's first and last id to check within, for a
    // radio button.
    struct RadioGroup {
        std::uint32_t first;
        std::uint32_t last;
    };
    std::optional<RadioGroup> onClick(std::uint32_t controlId, bool checked) noexcept;

    const Preferences& working() const noexcept { return working_; }

private:
    Preferences working_;
};

// A REG_DWORD value written to the per-printer settings key.
struct SettingWrite {
    std::u16string_view name;
    std::uint32_t value;
    friend bool operator==(const SettingWrite& a, const SettingWrite& b) noexcept {
        return a.name == b.name && a.value == b.value;
    }
};

// Windows 6.0 and later keep the monitoring choice in the status-monitor library, not in the key.
inline constexpr std::uint32_t kMonitoringInLibraryFromMajor = 6;

// What OK writes, in order: "Showing", "SoundMessage", then on Windows before 6.0
// "StatusSense" and "AlwaysOnTop", on 6.0 and later "AlwaysOnTop" only.
std::vector<SettingWrite> settingsWrittenOnOk(const Preferences& working, std::uint32_t windowsMajor);

// After the dialog (OK or Cancel): the value of job request 2054 when the monitoring choice
// changed (the new value on 6.0 and later, else 0), and whether the window is made topmost.
struct AfterDialog {
    std::optional<std::uint32_t> monitoringRequestValue;
    bool topmost = false;
};
AfterDialog afterDialog(const Preferences& before, const Preferences& after, std::uint32_t windowsMajor) noexcept;

}  // namespace zrt::statuswindow::preferences
