#include "statuswindow/shell_jobs/preferences_dialog.h"

#include <optional>

#include "statuswindow/contexthelp/context_help.h"

namespace zrt::statuswindow::shell_jobs {

namespace {

namespace pref = preferences;
namespace ch = contexthelp;

struct DialogState {
    const PreferencesDialogSetup& setup;
    pref::PreferencesDialogModel model;
    PreferencesDialogResult result;
};

DialogState* stateOf(HWND dialog) {
    return reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void initControls(HWND dialog, const DialogState& s) {
    const pref::InitialControls c = pref::initialControls(s.setup.live, s.setup.facts);
    CheckRadioButton(dialog, IDC_SHOW_WHEN_PRINTING, IDC_SHOW_ON_ERROR_ONLY, static_cast<int>(c.showingRadio));
    CheckRadioButton(dialog, IDC_SOUND_ALL, IDC_SOUND_NONE, static_cast<int>(c.soundRadio));
    CheckRadioButton(dialog, IDC_MONITOR_ALWAYS, IDC_MONITOR_WHILE_SHOWN, static_cast<int>(c.monitorRadio));
    CheckDlgButton(dialog, IDC_ALWAYS_ON_TOP, c.alwaysOnTopChecked ? BST_CHECKED : BST_UNCHECKED);
    for (std::uint32_t id : c.disabled) EnableWindow(GetDlgItem(dialog, static_cast<int>(id)), FALSE);
}

void accept(HWND dialog, DialogState& s) {
    s.result.accepted = true;
    s.result.live = s.model.working();
    if (s.setup.writeSetting)
        for (const pref::SettingWrite& w : pref::settingsWrittenOnOk(s.model.working(), s.setup.windowsMajor))
            s.setup.writeSetting(w.name, w.value);
    EndDialog(dialog, IDOK);
}

void onClick(HWND dialog, DialogState& s, int id) {
    const bool checked = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    const std::optional<pref::PreferencesDialogModel::RadioGroup> group =
        s.model.onClick(static_cast<std::uint32_t>(id), checked);
    if (group) CheckRadioButton(dialog, static_cast<int>(group->first), static_cast<int>(group->last), id);
}

// The control id of a window inside the dialog, or none for the dialog itself.
std::optional<std::uint32_t> controlOf(HWND dialog, HWND window) {
    if (window == nullptr || window == dialog) return std::nullopt;
    return static_cast<std::uint32_t>(GetDlgCtrlID(window));
}

void onHelp(HWND dialog, const DialogState& s, const HELPINFO& info) {
    if (s.setup.help == nullptr) return;
    const HWND item = info.iContextType == HELPINFO_WINDOW ? static_cast<HWND>(info.hItemHandle) : nullptr;
    const ch::HelpCall call = ch::dialogF1(controlOf(dialog, item));
    s.setup.help->run(call.kind == ch::HelpCallKind::ContextPopup ? item : dialog, call);
}

void onContextMenu(HWND dialog, const DialogState& s, HWND clicked) {
    if (s.setup.help == nullptr) return;
    s.setup.help->run(clicked, ch::dialogRightClick(controlOf(dialog, clicked)));
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        initControls(dialog, *reinterpret_cast<DialogState*>(lParam));
        return TRUE;
    }
    DialogState* s = stateOf(dialog);
    if (s == nullptr) return FALSE;
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                accept(dialog, *s);
            } else if (id == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            } else if (ch::isHelpButton(static_cast<std::uint32_t>(id))) {
                if (s->setup.help != nullptr) s->setup.help->finder(dialog);
            } else if (HIWORD(wParam) == BN_CLICKED) {
                onClick(dialog, *s, id);
            }
            return TRUE;
        }
        case WM_HELP:
            if (lParam != 0) onHelp(dialog, *s, *reinterpret_cast<const HELPINFO*>(lParam));
            return TRUE;
        case WM_CONTEXTMENU: onContextMenu(dialog, *s, reinterpret_cast<HWND>(wParam)); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

PreferencesDialogResult runPreferencesDialog(HINSTANCE module, HWND owner, const PreferencesDialogSetup& setup) {
    DialogState state{setup, pref::PreferencesDialogModel(setup.live), {false, setup.live}};
    DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_PREFERENCES), owner, dialogProc, reinterpret_cast<LPARAM>(&state));
    return state.result;
}

std::uint32_t windowsMajorVersion() {
    // GetVersionExW reports what the manifest allows; the system's own record does not lie.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll != nullptr) {
        const auto getVersion =
            reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (getVersion != nullptr && getVersion(&info) == 0) return info.dwMajorVersion;
    }
    return 6;
}

}  // namespace zrt::statuswindow::shell_jobs
