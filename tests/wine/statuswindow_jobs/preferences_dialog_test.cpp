#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "statuswindow/shell_jobs/preferences_dialog.h"
#include "wine_jobs_support.h"

namespace zrt::statuswindow::wine {
namespace {

using preferences::Preferences;
using shell_jobs::PreferencesDialogResult;
using shell_jobs::PreferencesDialogSetup;

// The per-printer settings key of a test printer, deleted afterwards.
class PrinterSettingsKey {
public:
    explicit PrinterSettingsKey(const std::wstring& printer)
        : parent_(L"Software\\Vemar\\ZRT7Q\\" + printer), path_(parent_ + L"\\PSW") {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, parent_.c_str());
    }
    ~PrinterSettingsKey() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, parent_.c_str()); }

    bool write(std::u16string_view name, std::uint32_t value) const {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const std::wstring valueName(name.begin(), name.end());
        const DWORD data = value;
        const bool ok = RegSetValueExW(key, valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                       sizeof(data)) == ERROR_SUCCESS;
        RegCloseKey(key);
        return ok;
    }
    // The value, or -1 when it is missing.
    long long read(const wchar_t* name) const {
        DWORD data = 0;
        DWORD size = sizeof(data);
        if (RegGetValueW(HKEY_LOCAL_MACHINE, path_.c_str(), name, RRF_RT_REG_DWORD, nullptr, &data, &size) !=
            ERROR_SUCCESS)
            return -1;
        return data;
    }

private:
    std::wstring parent_;
    std::wstring path_;
};

// Runs the dialog and, from inside its modal loop, the script on the dialog window.
std::function<void(HWND)> g_script;
HWND g_dialog = nullptr;

BOOL CALLBACK findDialog(HWND window, LPARAM) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (std::wstring(cls) == L"#32770") {
        g_dialog = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK runScript(HWND, UINT, UINT_PTR timer, DWORD) {
    g_dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, 0);
    if (g_dialog == nullptr || !IsWindowVisible(g_dialog)) return;
    KillTimer(nullptr, timer);
    const HWND dialog = g_dialog;
    auto script = std::move(g_script);
    script(dialog);
}

PreferencesDialogResult runScripted(const PreferencesDialogSetup& setup, std::function<void(HWND)> script) {
    g_script = std::move(script);
    SetTimer(nullptr, 0, 30, runScript);
    return shell_jobs::runPreferencesDialog(GetModuleHandleW(nullptr), nullptr, setup);
}

void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::wstring text(HWND dialog, int id) {
    wchar_t buffer[128] = {};
    GetDlgItemTextW(dialog, id, buffer, 128);
    return buffer;
}

TEST(PreferencesDialog, ControlsTextsAndInitialStates) {
    PreferencesDialogSetup setup;
    setup.live = {1, 0, 2, 1};
    bool ran = false;
    const PreferencesDialogResult result = runScripted(setup, [&](HWND d) {
        ran = true;
        wchar_t caption[64] = {};
        GetWindowTextW(d, caption, 64);
        EXPECT_EQ(std::wstring(caption), L"環境設定");
        EXPECT_EQ(text(d, IDC_SHOWING_LABEL), L"プリンタステータスウィンドウの表示(&D) :");
        EXPECT_EQ(text(d, IDC_SHOW_WHEN_PRINTING), L"印刷開始時に表示");
        EXPECT_EQ(text(d, IDC_SHOW_ON_ERROR_ONLY), L"エラー発生時のみ表示");
        EXPECT_EQ(text(d, IDC_ALWAYS_ON_TOP), L"常に手前に表示する(&T)");
        EXPECT_EQ(text(d, IDC_MONITOR_LABEL), L"プリンタ状態の監視(&M) :");
        EXPECT_EQ(text(d, IDC_MONITOR_ALWAYS), L"常に監視");
        EXPECT_EQ(text(d, IDC_MONITOR_WHILE_PRINTING), L"印刷時のみ監視");
        EXPECT_EQ(text(d, IDC_MONITOR_WHILE_SHOWN), L"プリンタステータスウィンドウ表示時のみ監視");
        EXPECT_EQ(text(d, IDC_SOUND_LABEL), L"サウンド設定(&E) :");
        EXPECT_EQ(text(d, IDC_SOUND_ALL), L"すべて有効");
        EXPECT_EQ(text(d, IDC_SOUND_ERRORS_ONLY), L"エラー発生時のみ有効");
        EXPECT_EQ(text(d, IDC_SOUND_NONE), L"無効");
        EXPECT_EQ(text(d, IDOK), L"OK");
        EXPECT_EQ(text(d, IDCANCEL), L"キャンセル");

        EXPECT_TRUE(checked(d, IDC_SHOW_ON_ERROR_ONLY) && !checked(d, IDC_SHOW_WHEN_PRINTING));
        EXPECT_TRUE(checked(d, IDC_MONITOR_WHILE_PRINTING) && !checked(d, IDC_MONITOR_WHILE_SHOWN));
        EXPECT_TRUE(checked(d, IDC_SOUND_NONE) && !checked(d, IDC_SOUND_ALL));
        EXPECT_TRUE(checked(d, IDC_ALWAYS_ON_TOP));
        for (int id : {IDC_SOUND_LABEL, IDC_SOUND_ALL, IDC_MONITOR_ALWAYS, IDC_MONITOR_WHILE_SHOWN})
            EXPECT_TRUE(enabled(d, id)) << id;
        click(d, IDCANCEL);
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(result.accepted);
    EXPECT_TRUE(result.live == setup.live);
}

TEST(PreferencesDialog, DisabledGroupsWithoutWaveDeviceAndOnASharedPrinter) {
    PreferencesDialogSetup setup;
    setup.facts = {false, 0};
    runScripted(setup, [](HWND d) {
        for (int id : {IDC_SOUND_LABEL, IDC_SOUND_ALL, IDC_SOUND_ERRORS_ONLY, IDC_SOUND_NONE, IDC_MONITOR_ALWAYS,
                       IDC_MONITOR_WHILE_PRINTING, IDC_MONITOR_WHILE_SHOWN})
            EXPECT_FALSE(enabled(d, id)) << id << " disabled";
        for (int id : {IDC_MONITOR_LABEL, IDC_SHOW_WHEN_PRINTING, IDC_ALWAYS_ON_TOP}) EXPECT_TRUE(enabled(d, id)) << id;
        click(d, IDCANCEL);
    });
}

struct OkCase {
    const char* row;
    std::uint32_t major;
    long long statusSenseWritten;  // -1: not written
};

TEST(PreferencesDialog, OkWritesThePreferencesPerWindowsVersion) {
    const OkCase cases[] = {{"Windows 6.x", 6, -1}, {"Windows 5.x", 5, 1}};
    for (const OkCase& c : cases) {
        const PrinterSettingsKey key(L"ZRT Jobs Preferences Printer");
        PreferencesDialogSetup setup;
        setup.live = {0, 2, 0, 0};
        setup.windowsMajor = c.major;
        setup.writeSetting = [&](std::u16string_view name, std::uint32_t value) { return key.write(name, value); };
        const PreferencesDialogResult result = runScripted(setup, [](HWND d) {
            click(d, IDC_SHOW_ON_ERROR_ONLY);
            click(d, IDC_MONITOR_ALWAYS);
            click(d, IDC_SOUND_ERRORS_ONLY);
            click(d, IDC_ALWAYS_ON_TOP);
            EXPECT_TRUE(checked(d, IDC_SHOW_ON_ERROR_ONLY) && !checked(d, IDC_SHOW_WHEN_PRINTING)) << "one per group";
            EXPECT_TRUE(checked(d, IDC_MONITOR_ALWAYS) && !checked(d, IDC_MONITOR_WHILE_SHOWN));
            EXPECT_TRUE(checked(d, IDC_SOUND_ERRORS_ONLY) && !checked(d, IDC_SOUND_ALL));
            click(d, IDOK);
        });
        EXPECT_TRUE(result.accepted) << c.row;
        EXPECT_TRUE(result.live == (Preferences{1, 1, 1, 1})) << c.row;
        EXPECT_EQ(key.read(L"Showing"), 1) << c.row;
        EXPECT_EQ(key.read(L"SoundMessage"), 1) << c.row;
        EXPECT_EQ(key.read(L"AlwaysOnTop"), 1) << c.row;
        EXPECT_EQ(key.read(L"StatusSense"), c.statusSenseWritten) << c.row;
        const preferences::AfterDialog after = preferences::afterDialog(setup.live, result.live, c.major);
        EXPECT_EQ(after.monitoringRequestValue.value_or(99), c.major >= 6 ? 1u : 0u) << c.row;
    }
}

TEST(PreferencesDialog, CancelWritesNothing) {
    const PrinterSettingsKey key(L"ZRT Jobs Preferences Printer");
    PreferencesDialogSetup setup;
    setup.writeSetting = [&](std::u16string_view name, std::uint32_t value) { return key.write(name, value); };
    const PreferencesDialogResult result = runScripted(setup, [](HWND d) {
        click(d, IDC_SOUND_NONE);
        click(d, IDCANCEL);
    });
    EXPECT_FALSE(result.accepted);
    EXPECT_TRUE(result.live == Preferences{});
    EXPECT_EQ(key.read(L"SoundMessage"), -1);
    EXPECT_EQ(key.read(L"Showing"), -1);
}

TEST(PreferencesDialog, F1AndRightClickAskTheHelpEngine) {
    recordedHelpCalls().clear();
    const shell_jobs::HelpRunner help(std::wstring(L"C:\\d\\3\\ZRT7Q.HLP"), recordHelpCall);
    PreferencesDialogSetup setup;
    setup.help = &help;
    HWND soundRadio = nullptr;
    runScripted(setup, [&](HWND d) {
        soundRadio = GetDlgItem(d, IDC_SOUND_ERRORS_ONLY);
        HELPINFO info{};
        info.cbSize = sizeof(info);
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDC_SOUND_ERRORS_ONLY;
        info.hItemHandle = soundRadio;
        SendMessageW(d, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        info.iCtrlId = 0;
        info.hItemHandle = d;
        SendMessageW(d, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageW(d, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDlgItem(d, IDC_ALWAYS_ON_TOP)), 0);
        SendMessageW(d, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(d), 0);
        click(d, IDCANCEL);
    });
    const auto& calls = recordedHelpCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].command, static_cast<UINT>(HELP_CONTEXTPOPUP));
    EXPECT_EQ(calls[0].data, 3220u);
    EXPECT_EQ(calls[0].window, soundRadio);
    EXPECT_EQ(calls[1].command, static_cast<UINT>(HELP_FINDER)) << "F1 without a control";
    EXPECT_EQ(calls[2].command, static_cast<UINT>(HELP_CONTEXTMENU));
    EXPECT_EQ(calls[2].pairs, (std::vector<DWORD>{IDC_ALWAYS_ON_TOP, 3215, 0, 0}));
}

}  // namespace
}  // namespace zrt::statuswindow::wine
