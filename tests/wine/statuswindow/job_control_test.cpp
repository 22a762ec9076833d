// The status window's job control, preferences and help in-process under Wine: commands from
// the menu and from the toolbar holders reach the status-monitor stand-in's call log, menu and
// toolbar states follow the deliveries, the preferences dialog is driven through its controls,
// and the help calls are recorded where they would reach WinHelpW.
#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "statuswindow/preferences/preferences_ids.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/shell/main_window.h"
#include "statuswindow/shell/wide_text.h"
#include "statuswindow/shell_jobs/command_ui.h"
#include "tests/support/win32/help_calls.h"

namespace zrt::statuswindow::wine {
namespace {

using zrt::testing::recordedHelpCalls;
using zrt::testing::recordHelpCall;
using shell_jobs::menuItemGrayed;

constexpr char kPrinter[] = "ZRT7Q Jobs KX";
constexpr wchar_t kPrinterW[] = L"ZRT7Q Jobs KX";
constexpr int kToolbarId = 51;

// ---- the window ------------------------------------------------------------------------------

std::vector<std::uint8_t> record(std::uint32_t printer, std::uint32_t job, std::uint32_t jobId = 7) {
    return status::StatusRecordBuilder()
        .printerStatus(printer)
        .jobStatus(job)
        .jobId(jobId)
        .paperSource(1)
        .warningStatus((printer & 0x10000) != 0 ? 0x40000000 : 0)  // paper out in cassette 1
        .totalPages(3)
        .currentPage(1)
        .documentName(u"見積書.doc")
        .userName(u"someone-else")
        .computerName(u"\\\\OTHER-PC")
        .build();
}

class JobControlTest : public MainWindowFixture {
protected:
    JobControlTest() : MainWindowFixture(L"zrt_jobs_calls.log") {}
    static void SetUpTestSuite() { setUpSuite(kPrinter); }

    void SetUp() override {
        MainWindowFixture::SetUp();
        recordedHelpCalls().clear();
    }

    // The window for the printer; portText "\\server\share" makes it a printer shared on a server.
    HWND open(const char16_t* portText = u"FILE:") {
        const HWND window = openWindow(shell::StartParameters{shell::fromWide(kPrinterW), portText, 1, false, nullptr, nullptr});
        if (window != nullptr) window_->setHelpRunner(shell_jobs::HelpRunner(window_->help().helpFile(), recordHelpCall));
        return window;
    }

    HWND toolbar(Pane holder) const { return GetDlgItem(window_->child(holder), kToolbarId); }
    UINT buttonState(Pane holder, UINT command) const {
        return static_cast<UINT>(SendMessageW(toolbar(holder), TB_GETSTATE, command, 0));
    }

    // A click on a toolbar button: the toolbar tells its holder, the holder the main window.
    void clickButton(Pane holder, UINT command) const {
        const HWND bar = toolbar(holder);
        const LRESULT index = SendMessageW(bar, TB_COMMANDTOINDEX, command, 0);
        RECT r{};
        SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(bar, WM_LBUTTONUP, 0, at);
    }
    void menuCommand(UINT command) const { SendMessageW(window_->hwnd(), WM_COMMAND, command, 0); }

    // Call-log lines of one entry point written since `mark` (a length of the log).
    std::vector<std::string> calls(const char* entry, std::size_t mark = 0) const {
        std::vector<std::string> lines;
        std::istringstream in(log().substr(mark));
        for (std::string line; std::getline(in, line);)
            if (line.find(entry) != std::string::npos) lines.push_back(line);
        return lines;
    }
    std::size_t mark() const { return log().size(); }
};

bool has(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& l : lines)
        if (l.find(part) != std::string::npos) return true;
    return false;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out.empty() ? "(none)" : out;
}

// ---- commands --------------------------------------------------------------------------------

TEST_F(JobControlTest, MenuAndToolbarCommandsReachTheStatusMonitor) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, record(0, 0x8));
    const DWORD session = window_->sessionId();
    struct Row {
        const char* row;
        std::function<void()> act;
        const char* entry;
        std::string expected;  // part of the one line the action writes
    };
    const Row rows[] = {
        {"Pause from the menu", [&] { menuCommand(100); }, "SmPsw_JobRequest", "request=2049 value=0"},
        {"Pause from the toolbar", [&] { clickButton(Pane::JobToolbarHolder, 100); }, "SmPsw_JobRequest", "request=2049 value=0"},
        {"Resume from the menu", [&] { menuCommand(101); }, "SmPsw_JobRequest", "request=2050 value=0"},
        {"Cancel from the toolbar", [&] { clickButton(Pane::JobToolbarHolder, 103); }, "SmPsw_JobRequest", "request=2048 value=7"},
        {"Cancel from the menu", [&] { menuCommand(103); }, "SmPsw_JobRequest", "request=2048 value=7"},
        {"command 102", [&] { menuCommand(102); }, "SmPsw_JobRequest", "request=2051 value=0"},
        {"Refresh from the toolbar", [&] { clickButton(Pane::InfoToolbarHolder, 106); }, "SmPsw_JobRequest",
         "request=2060 value=" + std::to_string(session)},
        {"Refresh from the menu: status", [&] { menuCommand(106); }, "SmPsw_GetPrinterStatus", "flag=0"},
        {"Calibration", [&] { menuCommand(134); }, "SmPsw_DeviceRequest", "request=1 "},
    };
    for (const Row& r : rows) {
        const std::size_t before = mark();
        r.act();
        const std::vector<std::string> lines = calls(r.entry, before);
        EXPECT_TRUE(lines.size() == 1 && has(lines, r.expected)) << r.row << ": expected one line with \"" << r.expected
                                                                 << "\", got\n" << joined(lines);
    }
    for (UINT id : {104u, 134u, 135u}) EXPECT_TRUE(menuItemGrayed(GetMenu(w), id)) << id << " after Calibration";
}

TEST_F(JobControlTest, ToolbarHoldersAnswerTooltipRequests) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const HMODULE library = GetModuleHandleW(L"ZRT7QPMU.DLL");
    struct Row {
        Pane holder;
        UINT command;
        UINT stringId;
    };
    const Row rows[] = {{Pane::JobToolbarHolder, 100, 5100}, {Pane::JobToolbarHolder, 101, 5101},
                        {Pane::JobToolbarHolder, 103, 5103}, {Pane::InfoToolbarHolder, 105, 5105},
                        {Pane::InfoToolbarHolder, 106, 5104}};
    for (const Row& r : rows) {
        NMTTDISPINFOW tip{};
        tip.hdr.hwndFrom = toolbar(r.holder);
        tip.hdr.idFrom = r.command;
        tip.hdr.code = TTN_NEEDTEXTW;
        SendMessageW(window_->child(r.holder), WM_NOTIFY, r.command, reinterpret_cast<LPARAM>(&tip));
        EXPECT_EQ(tip.hinst, library) << r.command;
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(tip.lpszText), r.stringId) << r.command;
    }
}

TEST_F(JobControlTest, ResumeVariants) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, record(0x40008, 0x8));  // the printer waits: cassette size to register again
    std::size_t before = mark();
    menuCommand(101);
    EXPECT_TRUE(has(calls("SmPsw_JobRequest", before), "request=2053 value=0")) << log();
    EXPECT_TRUE(menuItemGrayed(GetMenu(w), 104));
    EXPECT_TRUE(menuItemGrayed(GetMenu(w), 134));

    deliver(w, 1, record(0x10000, 0x8));  // paper out during a job: display 409
    EXPECT_EQ(window_->core().state().display.id, 409u);
    before = mark();
    SendMessageW(window_->child(Pane::JobToolbarHolder), WM_COMMAND, 101,
                 reinterpret_cast<LPARAM>(toolbar(Pane::JobToolbarHolder)));
    EXPECT_TRUE(calls("SmPsw_JobRequest", before).empty()) << "the Resume button does nothing under display 409";
    menuCommand(101);
    EXPECT_TRUE(has(calls("SmPsw_JobRequest", before), "request=2050 value=0")) << "the menu still resumes";
}

TEST_F(JobControlTest, CleaningWithoutItsFileOnlyGraysTheItems) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, record(0, 0));
    const HMENU menu = GetMenu(w);
    ASSERT_FALSE(menuItemGrayed(menu, 104)) << "idle local printer: Cleaning available";
    const std::size_t before = mark();
    menuCommand(104);
    for (UINT id : {104u, 134u, 135u}) EXPECT_TRUE(menuItemGrayed(menu, id)) << id;
    EXPECT_EQ(log().substr(before).find("SmPsw_"), std::string::npos) << "no request to the status monitor";
    deliver(w, 1, record(0, 0, 8));
    EXPECT_FALSE(menuItemGrayed(menu, 104)) << "the next delivery re-evaluates";
}

// ---- states after deliveries -----------------------------------------------------------------

TEST_F(JobControlTest, StatesAfterNamedDeliveries) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const HMENU menu = GetMenu(w);
    struct Row {
        const char* row;
        std::uint32_t printer, job;
        bool pause, resume, cancel;           // menu item enabled
        UINT pauseButton, resumeButton, cancelButton;
        bool cleaning, paperSize, consumables;
        UINT consumablesButton;
    };
    constexpr UINT on = TBSTATE_ENABLED, down = TBSTATE_ENABLED | TBSTATE_CHECKED, ind = TBSTATE_INDETERMINATE;
    const Row rows[] = {
        {"printing", 0, 0x8, true, false, true, on, down, on, false, false, false, ind},
        {"paused", 0x1, 0x8, false, true, true, down, on, on, false, true, true, on},
        {"paper out during a job", 0x10000, 0x8, false, false, true, 0, down, on, false, true, true, on},
        {"idle", 0, 0, false, false, false, 0, down, 0, true, true, true, on},
    };
    for (const Row& r : rows) {
        deliver(w, 1, record(r.printer, r.job));
        EXPECT_EQ(!menuItemGrayed(menu, 100), r.pause) << r.row << ": Pause";
        EXPECT_EQ(!menuItemGrayed(menu, 101), r.resume) << r.row << ": Resume";
        EXPECT_EQ(!menuItemGrayed(menu, 103), r.cancel) << r.row << ": Cancel";
        EXPECT_EQ(buttonState(Pane::JobToolbarHolder, 100), r.pauseButton) << r.row << ": Pause button";
        EXPECT_EQ(buttonState(Pane::JobToolbarHolder, 101), r.resumeButton) << r.row << ": Resume button";
        EXPECT_EQ(buttonState(Pane::JobToolbarHolder, 103), r.cancelButton) << r.row << ": Cancel button";
        EXPECT_EQ(!menuItemGrayed(menu, 104), r.cleaning) << r.row << ": Cleaning";
        EXPECT_EQ(!menuItemGrayed(menu, 135), r.paperSize) << r.row << ": Paper size";
        EXPECT_EQ(!menuItemGrayed(menu, 105), r.consumables) << r.row << ": Consumables";
        EXPECT_EQ(buttonState(Pane::InfoToolbarHolder, 105), r.consumablesButton) << r.row << ": Consumables button";
    }
}

TEST_F(JobControlTest, AnotherUsersJobOnASharedPrinterGraysTheJobCommands) {
    const HWND w = open(u"\\\\SERVER\\KX");
    ASSERT_NE(w, nullptr);
    deliver(w, 1, record(0x1, 0x8));  // paused: the display would enable Resume and Cancel
    for (UINT id : {100u, 101u, 103u}) {
        EXPECT_TRUE(menuItemGrayed(GetMenu(w), id)) << id;
        EXPECT_EQ(buttonState(Pane::JobToolbarHolder, id), 0u) << id;
    }
    EXPECT_TRUE(menuItemGrayed(GetMenu(w), 104)) << "no cleaning through a server";
}

TEST_F(JobControlTest, JobListShowsTheJobWhilePrinting) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const HWND list = window_->child(Pane::JobList);
    const auto cell = [&](int row) {
        wchar_t buffer[256] = {};
        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = buffer;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return std::wstring(buffer);
    };
    deliver(w, 1, record(0, 0x8));
    SendMessageW(list, WM_PAINT, 0, 0);
    EXPECT_EQ(cell(0), L"見積書.doc");
    EXPECT_EQ(cell(1), L"someone-else");
    EXPECT_EQ(cell(2), L"OTHER-PC");
    deliver(w, 1, record(0x10000, 0x8));
    SendMessageW(list, WM_PAINT, 0, 0);
    EXPECT_EQ(cell(0), L"") << "emptied while paper is out";
}

// ---- preferences -----------------------------------------------------------------------------

std::function<void(HWND)> g_script;

BOOL CALLBACK findDialog(HWND window, LPARAM out) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (std::wstring(cls) != L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

void CALLBACK runScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    auto script = std::move(g_script);
    script(dialog);
}

void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST_F(JobControlTest, PreferencesByCommand120) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const std::size_t before = mark();
    bool ran = false;
    g_script = [&](HWND d) {
        ran = true;
        EXPECT_EQ(IsDlgButtonChecked(d, IDC_MONITOR_WHILE_SHOWN), BST_CHECKED) << "StatusSense default 2";
        EXPECT_EQ(IsDlgButtonChecked(d, IDC_SHOW_WHEN_PRINTING), BST_CHECKED);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_SOUND_ALL))) << "Wine offers no wave device here";
        click(d, IDC_SHOW_ON_ERROR_ONLY);
        click(d, IDC_MONITOR_ALWAYS);
        click(d, IDC_ALWAYS_ON_TOP);
        click(d, IDOK);
    };
    SetTimer(nullptr, 0, 30, runScript);
    menuCommand(120);
    ASSERT_TRUE(ran);
    EXPECT_EQ(settingValue(kPrinterW, L"Showing", 99), 1u);
    EXPECT_EQ(settingValue(kPrinterW, L"SoundMessage", 99), 0u);
    EXPECT_EQ(settingValue(kPrinterW, L"AlwaysOnTop", 99), 1u);
    EXPECT_EQ(settingValue(kPrinterW, L"StatusSense", 99), 99u) << "Windows 6.0 and later: not in the key";
    EXPECT_TRUE(has(calls("SmPsw_JobRequest", before), "request=2054 value=1")) << log();
    EXPECT_NE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(window_->core().state().showing, 1u) << "the live copy follows";

    // Cancel: nothing written, no request; the window leaves the top when the live value is 0.
    setSettingValue(kPrinterW, L"AlwaysOnTop", 0);
    const std::size_t second = mark();
    g_script = [](HWND d) {
        click(d, IDC_MONITOR_WHILE_PRINTING);
        click(d, IDCANCEL);
    };
    SetTimer(nullptr, 0, 30, runScript);
    menuCommand(120);
    EXPECT_TRUE(calls("SmPsw_JobRequest", second).empty()) << log();
    EXPECT_EQ(settingValue(kPrinterW, L"AlwaysOnTop", 99), 0u);
    EXPECT_NE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "the live value is still 1";
}

// ---- help ------------------------------------------------------------------------------------

TEST_F(JobControlTest, HelpCallsOfTheMainWindow) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(window_->help().helpFile().has_value());
    const std::vector<zrt::testing::HelpCallRecord>& help = recordedHelpCalls();
    wchar_t directory[MAX_PATH] = {};
    DWORD needed = 0;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory), sizeof(directory), &needed);
    EXPECT_EQ(*window_->help().helpFile(), std::wstring(directory) + L"\\3\\ZRT7Q.HLP");

    menuCommand(130);
    RECT r{};
    GetWindowRect(w, &r);
    const int top = r.top + GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION);
    SendMessageW(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w), MAKELPARAM(r.left + 410, top + 20));
    SendMessageW(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w), MAKELPARAM(r.left + 20, top + 20));
    HELPINFO info{};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = 508;
    info.hItemHandle = window_->child(Pane::JobList);
    SendMessageW(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(help.size(), 4u);
    EXPECT_EQ(help[0].command, static_cast<UINT>(HELP_FINDER));
    EXPECT_EQ(help[1].command, static_cast<UINT>(HELP_CONTEXTMENU));
    EXPECT_EQ(help[1].pairs, (std::vector<DWORD>{511, 3075, 0, 0})) << "right part of the info toolbar";
    EXPECT_EQ(help[2].pairs, (std::vector<DWORD>{512, 3040, 0, 0})) << "icon pane";
    EXPECT_EQ(help[3].command, static_cast<UINT>(HELP_CONTEXTPOPUP));
    EXPECT_EQ(help[3].data, 3130u);
    EXPECT_EQ(help[3].window, window_->child(Pane::JobList));

    SendMessageW(w, message::kQuit, 0, 0);
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.back().command, static_cast<UINT>(HELP_QUIT)) << "when the window is destroyed";
}

TEST_F(JobControlTest, MenuHelpInTheStatusBar) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const HWND bar = window_->child(Pane::StatusBar);
    const auto barText = [&] {
        wchar_t buffer[256] = {};
        SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer));
        return std::wstring(buffer);
    };
    const HMENU menu = GetMenu(w);
    SendMessageW(w, WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP), reinterpret_cast<LPARAM>(GetSubMenu(menu, 1)));
    EXPECT_EQ(barText(), L"クリーニングやキャリブレーションを行います。");
    SendMessageW(w, WM_MENUSELECT, MAKEWPARAM(1558, 0), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(barText(), L"クリーニングやキャリブレーションを行います。") << "a service item leaves the bar";
    SendMessageW(w, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_SYSMENU), reinterpret_cast<LPARAM>(GetSystemMenu(w, FALSE)));
    EXPECT_EQ(barText(), L"ウィンドウの移動、サイズ変更、クローズを行います。");
    SendMessageW(w, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(barText(), L"FILE:") << "the port text again when the menu closes";
}

}  // namespace
}  // namespace zrt::statuswindow::wine
