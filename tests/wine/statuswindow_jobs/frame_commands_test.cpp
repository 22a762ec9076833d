#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "presentation/psm_interface.h"
#include "statuswindow/contexthelp/menu_help.h"
#include "statuswindow/jobcontrol/command_states.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/shell_jobs/command_ui.h"
#include "statuswindow/shell_jobs/main_window_help.h"
#include "tests/support/rc_strings.h"
#include "wine_jobs_support.h"

namespace zrt::statuswindow::wine {
namespace {

namespace jc = jobcontrol;
namespace ms = presentation::menu_state;
namespace ts = presentation::toolbar_state;
using shell_jobs::menuItemGrayed;

// A main window like the status window's: the presentation library's menu 50, the two toolbar
// holders with the library's toolbars, and a status bar.
class Frame {
public:
    Frame() {
        library_ = LoadLibraryW(psm::kLibraryFileName);
        if (library_ == nullptr) return;
        createToolbar_ = reinterpret_cast<psm::CreateToolbarFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, psm::kCreateToolbar)));
        createToolbar2_ = reinterpret_cast<psm::CreateToolbarFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, psm::kCreateToolbar2)));
        getMenuHelpText_ = reinterpret_cast<psm::GetMenuHelpTextFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, psm::kGetMenuHelpText)));
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZrtJobsFrame";
        RegisterClassW(&wc);
        menu_ = LoadMenuW(library_, MAKEINTRESOURCEW(50));
        const auto& l = presentation::kWindowLayout;
        RECT frame{0, 0, l.windowWidth, l.windowHeight};
        AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, TRUE);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"ZRT Jobs Frame", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                100, 80, frame.right - frame.left, frame.bottom - frame.top, nullptr, menu_, wc.hInstance,
                                nullptr);
        jobHolder_ = holder(l.jobToolbarHolder, 510);
        infoHolder_ = holder(l.infoToolbarHolder, 511);
        jobToolbar_ = createToolbar_ != nullptr ? createToolbar_(jobHolder_, 0) : nullptr;
        infoToolbar_ = createToolbar2_ != nullptr ? createToolbar2_(infoHolder_, 0) : nullptr;
        statusBar_ = CreateStatusWindowW(WS_CHILD | WS_VISIBLE, L"LPT1:", hwnd_, 505);
    }
    ~Frame() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
        if (library_ != nullptr) FreeLibrary(library_);
    }
    bool ready() const { return hwnd_ != nullptr && menu_ != nullptr && jobToolbar_ != nullptr && infoToolbar_ != nullptr; }
    HWND hwnd() const { return hwnd_; }
    HMENU menu() const { return menu_; }
    HWND jobToolbar() const { return jobToolbar_; }
    HWND infoToolbar() const { return infoToolbar_; }
    HWND statusBar() const { return statusBar_; }
    HMODULE library() const { return library_; }
    psm::GetMenuHelpTextFn getMenuHelpText() const { return getMenuHelpText_; }
    UINT buttonState(HWND toolbar, UINT command) const {
        return static_cast<UINT>(SendMessageW(toolbar, TB_GETSTATE, command, 0));
    }

private:
    HWND holder(const presentation::Rect16& r, int id) const {
        return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, r.x, r.y, r.width, r.height, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }
    HMODULE library_ = nullptr;
    psm::CreateToolbarFn createToolbar_ = nullptr;
    psm::CreateToolbarFn createToolbar2_ = nullptr;
    psm::GetMenuHelpTextFn getMenuHelpText_ = nullptr;
    HMENU menu_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND jobHolder_ = nullptr;
    HWND infoHolder_ = nullptr;
    HWND jobToolbar_ = nullptr;
    HWND infoToolbar_ = nullptr;
    HWND statusBar_ = nullptr;
};

constexpr jc::CommandStateSet kPausedMenu{{{100, ms::kGrayed}, {101, ms::kEnabled}, {103, ms::kEnabled}}};
constexpr jc::CommandStateSet kPausedToolbar{{{100, ts::kEnabledPressed}, {101, ts::kEnabled}, {103, ts::kEnabled}}};

TEST(FrameCommands, JobCommandStatesOnTheLibrarysMenuAndToolbar) {
    Frame frame;
    ASSERT_TRUE(frame.ready()) << "ZRT7QPMU.DLL beside the test";
    const auto bytes = status::StatusRecordBuilder().jobStatus(0x8).jobId(9).printerStatus(0x1).build();
    const status::StatusRecordView record(bytes.data(), bytes.size());

    shell_jobs::applyJobCommandStates(frame.menu(), frame.jobToolbar(),
                                      jc::jobCommandStates({1, 1, 1}, &record, &kPausedMenu, &kPausedToolbar));
    EXPECT_TRUE(menuItemGrayed(frame.menu(), 100));
    EXPECT_FALSE(menuItemGrayed(frame.menu(), 101));
    EXPECT_FALSE(menuItemGrayed(frame.menu(), 103));
    EXPECT_EQ(frame.buttonState(frame.jobToolbar(), 100), static_cast<UINT>(TBSTATE_ENABLED | TBSTATE_CHECKED));
    EXPECT_EQ(frame.buttonState(frame.jobToolbar(), 101), static_cast<UINT>(TBSTATE_ENABLED));

    // The same job of another user on another computer, seen through a print server.
    shell_jobs::applyJobCommandStates(frame.menu(), frame.jobToolbar(),
                                      jc::jobCommandStates({0, 1, 1}, &record, &kPausedMenu, &kPausedToolbar));
    for (UINT id : {100u, 101u, 103u}) {
        EXPECT_TRUE(menuItemGrayed(frame.menu(), id)) << id;
        EXPECT_EQ(frame.buttonState(frame.jobToolbar(), id), 0u) << id;
    }
}

TEST(FrameCommands, OptionItemsConsumablesButtonAndGrayingAfterCleaning) {
    Frame frame;
    ASSERT_TRUE(frame.ready());
    const auto idle = status::StatusRecordBuilder().build();
    const status::StatusRecordView idleView(idle.data(), idle.size());
    shell_jobs::applyOptionStates(frame.menu(), frame.infoToolbar(), jc::optionStates({2, 0, 0}, &idleView, false, 300));
    for (UINT id : {104u, 105u, 134u, 135u}) EXPECT_FALSE(menuItemGrayed(frame.menu(), id)) << id;
    EXPECT_EQ(frame.buttonState(frame.infoToolbar(), 105), static_cast<UINT>(TBSTATE_ENABLED));

    shell_jobs::grayMenuItems(frame.menu(), jc::grayedItems({jc::ActionKind::GrayItems, 1}));
    for (UINT id : {104u, 134u, 135u}) EXPECT_TRUE(menuItemGrayed(frame.menu(), id)) << id << " after Cleaning";
    EXPECT_FALSE(menuItemGrayed(frame.menu(), 105));

    shell_jobs::applyOptionStates(frame.menu(), frame.infoToolbar(), jc::optionStates({2, 0, 0}, &idleView, true, 300));
    for (UINT id : {104u, 134u, 135u}) EXPECT_TRUE(menuItemGrayed(frame.menu(), id)) << id << " during the lock-out";

    const auto printing = status::StatusRecordBuilder().jobStatus(0x8).build();
    const status::StatusRecordView printingView(printing.data(), printing.size());
    shell_jobs::applyOptionStates(frame.menu(), frame.infoToolbar(), jc::optionStates({2, 0, 0}, &printingView, false, 200));
    EXPECT_TRUE(menuItemGrayed(frame.menu(), 105));
    EXPECT_EQ(frame.buttonState(frame.infoToolbar(), 105), static_cast<UINT>(TBSTATE_INDETERMINATE));
    EXPECT_EQ(frame.buttonState(frame.infoToolbar(), 106), static_cast<UINT>(TBSTATE_ENABLED)) << "Refresh keeps its state";

    EXPECT_EQ(shell_jobs::commandSourceOf(0), jc::CommandSource::Menu);
    EXPECT_EQ(shell_jobs::commandSourceOf(reinterpret_cast<LPARAM>(frame.jobToolbar())), jc::CommandSource::Toolbar);
}

TEST(FrameHelp, MenuHelpTextsFromTheLibrary) {
    Frame frame;
    ASSERT_TRUE(frame.ready());
    const zrt::testing::RcStrings strings =
        zrt::testing::readRcStrings(zrt::testing::rcPath("resources/presentation/ZRT7QPMU.rc"));
    const auto text = [&](UINT item, UINT flags, HMENU menu) {
        return shell_jobs::menuHelpText(frame.hwnd(), item, flags, menu, frame.library(), frame.getMenuHelpText());
    };
    const HMENU options = GetSubMenu(frame.menu(), 1);
    struct Row {
        const char* row;
        UINT item, flags;
        HMENU menu;
        unsigned expectedId;  // 0: the bar stays as it is
    };
    const Row rows[] = {
        {"Job popup", 0, MF_POPUP, frame.menu(), 5000},
        {"Options popup", 1, MF_POPUP, frame.menu(), 5005},
        {"Help popup", 2, MF_POPUP, frame.menu(), 5009},
        {"Utility submenu", 5, MF_POPUP, options, 5024},
        {"system menu", 0, MF_POPUP | MF_SYSMENU, GetSystemMenu(frame.hwnd(), FALSE), 5012},
        {"Pause", 100, 0, frame.menu(), 5001},
        {"Calibration", 134, 0, frame.menu(), 5022},
        {"Close (system menu)", SC_CLOSE, MF_SYSMENU, GetSystemMenu(frame.hwnd(), FALSE), 5018},
        {"service item", 1558, 0, frame.menu(), 0},
    };
    for (const Row& r : rows) {
        const std::optional<Text> got = text(r.item, r.flags, r.menu);
        if (r.expectedId == 0) {
            EXPECT_FALSE(got) << r.row;
        } else {
            ASSERT_TRUE(got) << r.row;
            EXPECT_EQ(*got, strings.at(r.expectedId)) << r.row << ": got " << zrt::testing::describe(*got);
        }
    }
    EXPECT_EQ(contexthelp::menuSelectStep(0xFFFF, true), contexthelp::MenuSelectStep::RestorePortText);
}

TEST(FrameHelp, RightClickAndF1InTheMainWindow) {
    Frame frame;
    ASSERT_TRUE(frame.ready());
    recordedHelpCalls().clear();
    const shell_jobs::HelpRunner help(std::wstring(L"C:\\d\\3\\ZRT7Q.HLP"), recordHelpCall);
    RECT window{};
    GetWindowRect(frame.hwnd(), &window);
    const int shiftY = window.top + GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION);
    const auto at = [&](int x, int y) { return POINT{window.left + x, shiftY + y}; };
    const auto& layout = presentation::kWindowLayout;

    EXPECT_TRUE(shell_jobs::onMainWindowContextMenu(frame.hwnd(), frame.statusBar(), at(390, 20), layout, help));
    EXPECT_TRUE(shell_jobs::onMainWindowContextMenu(frame.hwnd(), frame.statusBar(), at(410, 20), layout, help));
    EXPECT_TRUE(shell_jobs::onMainWindowContextMenu(frame.hwnd(), frame.statusBar(), at(200, 300), layout, help));
    EXPECT_TRUE(shell_jobs::onMainWindowContextMenu(frame.hwnd(), frame.statusBar(), at(200, 100), layout, help));
    RECT bar{};
    GetWindowRect(frame.statusBar(), &bar);
    EXPECT_TRUE(shell_jobs::onMainWindowContextMenu(frame.hwnd(), frame.statusBar(), POINT{bar.left + 30, bar.top + 5},
                                                    layout, help));
    EXPECT_FALSE(shell_jobs::onMainWindowContextMenu(frame.hwnd(), frame.statusBar(), POINT{window.left + 50, window.top + 5},
                                                     layout, help))
        << "the title bar gets the default handling";

    const auto& calls = recordedHelpCalls();
    ASSERT_EQ(calls.size(), 5u);
    const std::vector<DWORD> expected[] = {{511, 3145, 0, 0}, {511, 3075, 0, 0}, {508, 3130, 0, 0}, {0, 0}, {505, 3140, 0, 0}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(calls[i].command, static_cast<UINT>(HELP_CONTEXTMENU)) << i;
        EXPECT_EQ(calls[i].window, frame.hwnd()) << i;
        EXPECT_EQ(calls[i].pairs, expected[i]) << i;
    }

    recordedHelpCalls().clear();
    const HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD, 9, 235, 415, 80, frame.hwnd(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(508)), GetModuleHandleW(nullptr), nullptr);
    HELPINFO info{};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = 508;
    info.hItemHandle = list;
    shell_jobs::onMainWindowHelp(frame.hwnd(), info, help);
    info.iCtrlId = 503;
    shell_jobs::onMainWindowHelp(frame.hwnd(), info, help);
    ASSERT_EQ(recordedHelpCalls().size(), 2u);
    EXPECT_EQ(recordedHelpCalls()[0].command, static_cast<UINT>(HELP_CONTEXTPOPUP));
    EXPECT_EQ(recordedHelpCalls()[0].data, 3130u);
    EXPECT_EQ(recordedHelpCalls()[0].window, list);
    EXPECT_EQ(recordedHelpCalls()[1].command, static_cast<UINT>(HELP_FINDER));
    EXPECT_EQ(recordedHelpCalls()[1].window, frame.hwnd());
}

}  // namespace
}  // namespace zrt::statuswindow::wine
