// The preferences dialog (resource 116): shows the four preferences, lets the user change the
// working copies and, on OK, writes them to the per-printer settings key as the Windows
// version requires. F1 and right clicks ask the help engine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "statuswindow/preferences/preferences_model.h"
#include "statuswindow/shell_jobs/help_runner.h"

namespace zrt::statuswindow::shell_jobs {

// Writes one REG_DWORD value of the per-printer settings key.
using WriteSettingFn = std::function<bool(std::u16string_view name, std::uint32_t value)>;

struct PreferencesDialogSetup {
    preferences::Preferences live;
    preferences::DialogFacts facts;
    std::uint32_t windowsMajor = 6;
    WriteSettingFn writeSetting;
    const HelpRunner* help = nullptr;  // none: F1 and right clicks do nothing
};

struct PreferencesDialogResult {
    bool accepted = false;          // OK (Cancel and a failed dialog leave live unchanged)
    preferences::Preferences live;  // the live values afterwards
};

// Runs the dialog modally from module's resources.
PreferencesDialogResult runPreferencesDialog(HINSTANCE module, HWND owner, const PreferencesDialogSetup& setup);

// Major version of the running Windows (from the system's own version record).
std::uint32_t windowsMajorVersion();

}  // namespace zrt::statuswindow::shell_jobs
