// The dialogs in-process under Wine: the printer list over printers installed in the prefix,
// the progress window, the message-debug dialog with arguments from its file, and the
// flushing of user input.
#include "tests/wine/uninstaller_ui/ui_wine_fixture.h"

#include <commctrl.h>

#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/win32/cleanup_progress_dialog.h"
#include "uninstaller/ui/win32/flush_user_input.h"
#include "uninstaller/ui/win32/message_debug_dialog.h"
#include "uninstaller/ui/win32/win32_run_ui.h"

namespace zrt::un::wine {
namespace {

std::string cellText(HWND list, int row, int column) {
    char buffer[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::wstring columnTitle(HWND list, int column) {
    wchar_t buffer[128] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = buffer;
    info.cchTextMax = 128;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool shown(HWND dialog, int id) {
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

int findRow(HWND list, const std::string& display) {
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < rows; ++i) {
        if (cellText(list, i, 0) == display) {
            return i;
        }
    }
    return -1;
}

TEST_F(UiWineTest, PrinterListShowsTheFamilysPrintersInThreeColumns) {
    auto dialog = openPrinterList();
    HWND list = dialog->list();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3) << "only the family's printers";
    for (const char* name : {kOffice, kShared, kLongName}) {
        const int row = findRow(list, name);
        ASSERT_GE(row, 0) << name;
        EXPECT_EQ(cellText(list, row, 1), kFamilyDriver) << name;
        EXPECT_EQ(cellText(list, row, 2), "1.23") << name << ": version text of the data file";
    }
    EXPECT_EQ(findRow(list, kOther), -1);
    EXPECT_EQ(cellText(list, 0, 0), kLongName) << "sorted by display name";

    RECT window{};
    GetWindowRect(list, &window);
    const int unit = (window.right - window.left) / 20;
    const int widths[] = {unit * 9, unit * 8, unit * 3};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(columnTitle(list, column), scriptTextW(kColumnTitles[static_cast<std::size_t>(column)]))
            << "column " << column;
        EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0),
                  widths[column])
            << "column " << column;
    }
    EXPECT_EQ(ImageList_GetImageCount(dialog->images()), 8);

    const HWND hwnd = dialog->hwnd();
    EXPECT_TRUE(enabled(hwnd, kCommandSelectAll));
    EXPECT_FALSE(enabled(hwnd, kCommandDelete));
    EXPECT_FALSE(shown(hwnd, kCommandCleanup)) << "UninstallLevel 1";
    EXPECT_FALSE(shown(hwnd, kMessageDebugButton));
    EXPECT_FALSE(shown(hwnd, kProgressDebugButton));
    EXPECT_EQ(session.mainWindow, win32::toRef(hwnd));

    dialog->sendCommand(kCommandSelectAll);
    EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 3);
    EXPECT_TRUE(enabled(hwnd, kCommandDelete));

    dialog->sendCommand(kCommandDelete);  // the list's part of the run: rebuilt, nothing selected
    pump();
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_FALSE(enabled(hwnd, kCommandDelete));
    EXPECT_TRUE(enabled(hwnd, kCommandSelectAll));
    EXPECT_TRUE(enabled(hwnd, kCommandClose));

    dialog->sendCommand(kCommandClose);
    EXPECT_FALSE(IsWindow(hwnd)) << "Exit closes the list";
    EXPECT_TRUE(dialog->core()->finished());
}

TEST_F(UiWineTest, PrinterListRowsCarryDefaultAndSharedMarks) {
    auto dialog = openPrinterList();
    HWND list = dialog->list();
    const auto image = [list](int row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    };
    const int office = findRow(list, kOffice);
    ASSERT_GE(office, 0);
    EXPECT_EQ(image(office), kImageFilePort + kImageDefaultOffset) << "default printer on FILE:";
    const PrinterItem* item = dialog->core()->item(office);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->printerName, kOffice);
    EXPECT_EQ(item->flags, kFlagFilePort);
    const int shared = findRow(list, kShared);
    ASSERT_GE(shared, 0);
    EXPECT_EQ(image(shared), kImageLocal);
    EXPECT_EQ(dialog->core()->item(shared)->flags, kFlagSharedLocal)
        << "the spooler keeps the share of a local printer";
    dialog->sendCommand(kCommandClose);
}

TEST_F(UiWineTest, MessageDebugButtonsAndDeleteWithMessageDebugOn) {
    config.messageDebugUi = "1";
    config.uninstallLevel = "2";
    auto dialog = openPrinterList();
    const HWND hwnd = dialog->hwnd();
    EXPECT_TRUE(shown(hwnd, kMessageDebugButton) && enabled(hwnd, kMessageDebugButton));
    EXPECT_TRUE(shown(hwnd, kProgressDebugButton) && enabled(hwnd, kProgressDebugButton));
    EXPECT_TRUE(shown(hwnd, kCommandCleanup) && enabled(hwnd, kCommandCleanup));
    dialog->sendCommand(kCommandSelectAll);
    EXPECT_FALSE(enabled(hwnd, kCommandDelete));
    dialog->sendCommand(kCommandClose);
}

TEST_F(UiWineTest, MessageDebugDialogShowsMessage13WithArgumentsFromTheFile) {
    writeFile(std::string(kFolder) + kDebugMessageFile,
              "[IDS_STRING_MSG2]\r\nINPUT_01=Office\r\nINPUT_02=OfficeShare\r\n");
    catalog.setProgramFolder(kFolder);
    win32::MessageDebugDialog dialog(GetModuleHandleA(nullptr), catalog, machine.text);
    ASSERT_TRUE(dialog.createModeless(nullptr));
    HWND list = dialog.list();
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 17);
    EXPECT_EQ(columnTitle(list, 0), L"Sitring ID");
    EXPECT_EQ(columnTitle(list, 1), L"Message String");
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), 200);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0), client.right - 220);
    EXPECT_NE(GetWindowLongA(list, GWL_STYLE) & LVS_SINGLESEL, 0);
    EXPECT_NE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
    EXPECT_EQ(cellText(list, 1, 0), "IDS_STRING_MSG2");
    EXPECT_EQ(cellText(list, 1, 1), scriptText(13)) << "the text as the string table holds it";
    EXPECT_TRUE(catalog.debugInputs());

    dialog.sendCommand(kMessageDebugShow);
    EXPECT_TRUE(boxes.shown.empty()) << "nothing selected yet";

    LVITEMA select{};
    select.stateMask = LVIS_SELECTED;
    select.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
    EXPECT_EQ(dialog.state().selectedRow(), 1);
    dialog.sendCommand(kMessageDebugShow);
    ASSERT_EQ(boxes.shown.size(), 1u);
    std::wstring expected = scriptTextW(13);
    expected.replace(expected.find(L"%s"), 2, L"Office");
    expected.replace(expected.find(L"%s"), 2, L"OfficeShare");
    expected.replace(expected.find(L"\n"), 1, L"\r\n");
    EXPECT_EQ(boxes.shown[0].text, toAnsi(expected));
    EXPECT_EQ(boxes.shown[0].title, scriptText(3));
    EXPECT_EQ(boxes.shown[0].type, 0x34u);
    EXPECT_EQ(boxes.shown[0].owner, win32::toRef(dialog.hwnd()));
    DeleteFileA((std::string(kFolder) + kDebugMessageFile).c_str());
}

BOOL CALLBACK countProgressBars(HWND child, LPARAM count) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, PROGRESS_CLASSA) == 0) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

TEST_F(UiWineTest, ProgressWindowBarTextsAndIgnoredCloseRequests) {
    win32::CleanupProgressDialog progress(GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(progress.create());
    const HWND hwnd = progress.hwnd();
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE, 0) << "hidden until a run shows it";
    int bars = 0;
    EnumChildWindows(hwnd, countProgressBars, reinterpret_cast<LPARAM>(&bars));
    EXPECT_EQ(bars, 1);
    PBRANGE range{};
    SendMessageA(progress.bar(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(SendMessageA(progress.bar(), PBM_GETPOS, 0, 0), 0);
    wchar_t text[128] = {};
    GetDlgItemTextW(hwnd, win32::kProgressText, text, 128);
    EXPECT_EQ(std::wstring(text), scriptTextW(kProgressChecking));

    progress.setTitle("ZRT7Q Color Uninstaller");
    progress.setText(machine.text.loadString(kProgressRemovingDrivers));
    progress.setPos(37);
    progress.setStep(5);
    progress.stepIt();
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "ZRT7Q Color Uninstaller");
    GetDlgItemTextW(hwnd, win32::kProgressText, text, 128);
    EXPECT_EQ(std::wstring(text), scriptTextW(kProgressRemovingDrivers));
    EXPECT_EQ(SendMessageA(progress.bar(), PBM_GETPOS, 0, 0), 42);
    progress.show();
    EXPECT_NE(GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE, 0);

    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    pump();
    EXPECT_TRUE(IsWindow(hwnd)) << "the close request is ignored";
    progress.hide();
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE, 0);
}

TEST_F(UiWineTest, RunProgressComesFromTheRunUi) {
    win32::Win32RunUi ui(GetModuleHandleA(nullptr), nullptr);
    HWND hwnd = nullptr;
    {
        auto progress = openRunProgress(session, ui, "T");
        ASSERT_NE(progress, nullptr);
        hwnd = static_cast<win32::CleanupProgressDialog&>(*progress).hwnd();
        EXPECT_TRUE(IsWindow(hwnd));
        EXPECT_EQ(SendMessageA(static_cast<win32::CleanupProgressDialog&>(*progress).bar(),
                               PBM_GETPOS, 0, 0), 1);
    }
    EXPECT_FALSE(IsWindow(hwnd)) << "the run's end destroys the window";
}

struct Recorded {
    std::vector<UINT> messages;
};

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* recorded = reinterpret_cast<Recorded*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (recorded != nullptr && message >= WM_KEYFIRST && message <= WM_USER + 100 &&
        message != WM_NCHITTEST && message != WM_SETCURSOR) {
        recorded->messages.push_back(message);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(FlushUserInputTest, KeysAndLeftClicksAreThrownAwayOthersDispatched) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = recordingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZrtFlushTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("ZrtFlushTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    Recorded recorded;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&recorded));
    const UINT posted[] = {WM_KEYDOWN, WM_LBUTTONDOWN, WM_USER + 5, WM_CHAR, WM_LBUTTONUP,
                           WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_KEYUP, WM_USER + 6};
    for (const UINT message : posted) {
        PostMessageA(window, message, 0, 0);
    }
    win32::FlushUserInput();
    EXPECT_EQ(recorded.messages, (std::vector<UINT>{WM_USER + 5, WM_RBUTTONDOWN, WM_USER + 6}));
    DestroyWindow(window);
}

TEST(FlushUserInputTest, AQuitMessageSurvives) {
    PostQuitMessage(7);
    win32::FlushUserInput();
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace zrt::un::wine
