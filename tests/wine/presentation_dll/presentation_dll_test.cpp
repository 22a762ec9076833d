// ZRT7QPMU.DLL as the status window sees it: loaded by file name, every export resolved by
// name and called with real records.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "presentation/psm_interface.h"
#include "presentation/resource_ids.h"
#include "statuswindow/record/status_record_builder.h"
#include "tests/support/rc_strings.h"

namespace {

using namespace zrt::psm;
using zrt::status::StatusRecordBuilder;

std::wstring wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

class PresentationLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryW(kLibraryFileName);
        ASSERT_NE(module_, nullptr) << "LoadLibraryW error " << GetLastError();
        strings_ = zrt::testing::readRcStrings(zrt::testing::rcPath("/resources/presentation/ZRT7QPMU.rc"));
    }
    static void TearDownTestSuite() {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = nullptr;
    }

    template <typename Fn>
    static Fn resolve(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    // Maps a record, padded to the size the library reads, and returns the display record.
    static DisplayRecord display(const std::vector<std::uint8_t>& record, int kind = kDataIsStatusRecord,
                                 DWORD previous = 0) {
        std::vector<std::uint8_t> padded(record);
        if (padded.size() < kMinimumRecordBytes) padded.resize(kMinimumRecordBytes, 0);
        DisplayRecord out{};
        const auto map = resolve<GetPSWDisplayFn>(kGetPSWDisplay);
        EXPECT_TRUE(map(module_, previous, padded.data(), &out, kind));
        return out;
    }

    static std::wstring expectedText(int id) {
        if (id == 0) return L"";
        auto it = strings_.find(static_cast<unsigned>(id));
        return it == strings_.end() ? L"<missing in the resource script>" : wide(it->second);
    }

    static HMODULE module_;
    static std::map<unsigned, std::u16string> strings_;
};

HMODULE PresentationLibrary::module_ = nullptr;
std::map<unsigned, std::u16string> PresentationLibrary::strings_;

std::vector<std::uint8_t> connectionRecord(std::uint32_t code) {
    std::vector<std::uint8_t> r(8, 0);
    std::memcpy(r.data() + 4, &code, 4);
    return r;
}

TEST_F(PresentationLibrary, EveryExportResolvesByName) {
    for (const char* name : {kDllMain, kGetPSWInfo, kGetPSWDisplay, kPrinterSpecificProc, kCreateToolbar,
                             kCreateToolbar2, kGetMenuHelpText, kGetToolTipText, kGetFileName}) {
        EXPECT_NE(GetProcAddress(module_, name), nullptr) << name;
    }
}

TEST_F(PresentationLibrary, RecordsMapToDisplayIds) {
    struct Case {
        const char* row;
        std::vector<std::uint8_t> record;
        int kind;
        int expected;
    };
    const Case cases[] = {
        {"printing, 5 pages", StatusRecordBuilder().jobStatus(0x8).totalPages(5).build(), 0, 200},
        {"printing, pages unknown", StatusRecordBuilder().jobStatus(0x8).build(), 0, 201},
        {"ready", StatusRecordBuilder().build(), 0, 300},
        {"paper out in cassette 1 during a job",
         StatusRecordBuilder().jobStatus(0x8).printerStatus(0x10000).paperSource(1).warningStatus(0x40000000).build(), 0, 409},
        {"jam inside, cover open, job", StatusRecordBuilder().jobStatus(0x8).printerStatus(0xC00000).jamStatus(0x400000).build(), 0, 403},
        {"jam inside, no job", StatusRecordBuilder().printerStatus(0x800000).jamStatus(0x400000).build(), 0, 511},
        {"service error, no job", StatusRecordBuilder().printerStatus(0x01000000).build(), 0, 502},
        {"port not supported wins", StatusRecordBuilder().printerStatus(0xFFFFFFFF).jobStatus(0x8).build(), 0, 100},
        {"connection: port not supported", connectionRecord(0), 1, 100},
        {"connection: being acquired", connectionRecord(1), 1, 101},
        {"connection: port in use", connectionRecord(2), 1, 507},
        {"connection: print server error", connectionRecord(3), 1, 102},
        {"connection: unknown code 7", connectionRecord(7), 1, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(display(c.record, c.kind).displayId, c.expected) << c.row;
    }
}

TEST_F(PresentationLibrary, NoDataGivesStatusBeingAcquired) {
    DisplayRecord out{};
    ASSERT_TRUE(resolve<GetPSWDisplayFn>(kGetPSWDisplay)(module_, 0, nullptr, &out, 0));
    EXPECT_EQ(out.displayId, 101);
    EXPECT_EQ(std::wstring(out.headline->text), expectedText(5316));
}

TEST_F(PresentationLibrary, TextsAreTheResourceStrings) {
    struct Case {
        const char* row;
        std::vector<std::uint8_t> record;
        int headline;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"printing page 3 of 5", StatusRecordBuilder().jobStatus(0x8).totalPages(5).currentPage(3).build(), 5200, {}},
        {"jam inside during a job", StatusRecordBuilder().jobStatus(0x8).printerStatus(0x800000).jamStatus(0x400000).build(), 5206, {5409}},
        {"service error", StatusRecordBuilder().printerStatus(0x01000000).build(), 5309, {5408}},
        {"paper out, no source named", StatusRecordBuilder().jobStatus(0x8).printerStatus(0x20000).warningStatus(0xC0000000).build(), 5312, {5434}},
        {"cartridge nears replacement while printing", StatusRecordBuilder().jobStatus(0x8).totalPages(1).warningStatus(0x8003C0).build(), 5200, {5505}},
    };
    for (const Case& c : cases) {
        const DisplayRecord d = display(c.record);
        ASSERT_NE(d.headline, nullptr) << c.row;
        EXPECT_EQ(d.headline->stringId, c.headline) << c.row;
        EXPECT_EQ(std::wstring(d.headline->text), expectedText(c.headline)) << c.row;
        EXPECT_EQ(d.headline->fontHeight, 15) << c.row;
        EXPECT_EQ(d.headline->fontWeight, 400) << c.row;
        ASSERT_EQ(d.messageCount, static_cast<int>(c.messages.size())) << c.row;
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(d.messages[i].stringId, c.messages[i]) << c.row << " message " << i;
            EXPECT_EQ(std::wstring(d.messages[i].text), expectedText(c.messages[i])) << c.row << " message " << i;
        }
    }
}

TEST_F(PresentationLibrary, EveryPictureAndFrameHasItsResource) {
    // Printing shows 210 with the five frames; the other states cover the pictures in use.
    const DisplayRecord printing = display(StatusRecordBuilder().jobStatus(0x8).totalPages(5).build());
    ASSERT_EQ(printing.frameCount, 5);
    EXPECT_EQ(printing.animationMode, 1);
    EXPECT_NE(printing.picture->resource, nullptr);
    const int frameIds[] = {211, 212, 213, 214, 215};
    const int frameX[] = {71, 56, 42, 23, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(printing.frames[i].bitmapId, frameIds[i]) << "frame " << i;
        EXPECT_EQ(printing.frames[i].x, frameX[i]) << "frame " << i;
        EXPECT_EQ(printing.frames[i].y, 40) << "frame " << i;
        EXPECT_EQ(printing.frames[i].durationMs, 1000) << "frame " << i;
        EXPECT_NE(printing.frames[i].resource, nullptr) << "frame " << i;
    }
    for (int id = IDB_OUTPUT_TRAY; id <= IDB_TOOLBAR_INFO; ++id) {
        EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2)), nullptr) << "bitmap " << id;
    }
    for (int id = IDB_PRINTER_READY; id <= IDB_DRUM_INSERT; ++id) {
        EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2)), nullptr) << "bitmap " << id;
    }
    for (int id = IDI_PRINTER; id <= IDI_PRINTER_SERVICE_ERROR; ++id) {
        EXPECT_NE(LoadIconW(module_, MAKEINTRESOURCEW(id)), nullptr) << "icon " << id;
    }
    const DisplayRecord jam = display(StatusRecordBuilder().printerStatus(0x800000).build());
    EXPECT_EQ(jam.picture->bitmapId, 313);
    EXPECT_NE(jam.picture->resource, nullptr);
    EXPECT_NE(jam.windowIcon, nullptr);
    EXPECT_EQ(jam.windowIcon, jam.paneIcon);
    EXPECT_EQ(jam.background, 601);
    EXPECT_EQ(std::wstring(jam.sound), L"PrinterError");
}

TEST_F(PresentationLibrary, CommandStatesOfPrinting) {
    const DisplayRecord d = display(StatusRecordBuilder().jobStatus(0x8).totalPages(2).build());
    const int menu[3][2] = {{100, 0}, {101, 1}, {103, 0}};
    const int toolbar[3][2] = {{100, 4}, {101, 5}, {103, 4}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<int>(d.menuStates->at(static_cast<std::size_t>(i)).command), menu[i][0]);
        EXPECT_EQ(static_cast<int>(d.menuStates->at(static_cast<std::size_t>(i)).state), menu[i][1]) << "menu " << i;
        EXPECT_EQ(static_cast<int>(d.toolbarStates->at(static_cast<std::size_t>(i)).state), toolbar[i][1]) << "toolbar " << i;
    }
}

TEST_F(PresentationLibrary, UnknownKindLeavesTheRecordAlone) {
    DisplayRecord sentinel;
    std::memset(&sentinel, 0xde, sizeof sentinel);
    DisplayRecord out = sentinel;
    std::vector<std::uint8_t> record(kMinimumRecordBytes, 0);
    const auto map = resolve<GetPSWDisplayFn>(kGetPSWDisplay);
    for (int kind : {2, 3, -1}) {
        EXPECT_FALSE(map(module_, 0, record.data(), &out, kind)) << "kind " << kind;
        EXPECT_EQ(std::memcmp(&out, &sentinel, sizeof out), 0) << "kind " << kind;
    }
}

TEST_F(PresentationLibrary, LayoutValues) {
    LayoutRecord layout;
    std::memset(&layout, 0xde, sizeof layout);
    ASSERT_TRUE(resolve<GetPSWInfoFn>(kGetPSWInfo)(&layout));
    EXPECT_EQ(layout.menuId, 50);
    EXPECT_EQ(layout.windowWidth, 439);
    EXPECT_EQ(layout.windowHeight, 372);
    EXPECT_EQ(layout.jobList.y, 235);
    EXPECT_EQ(layout.picturePane.width, 127);
    EXPECT_EQ(layout.columnWidths[1], 321);
    EXPECT_TRUE(resolve<PrinterSpecificProcFn>(kPrinterSpecificProc)(1, 2));
}

std::wstring menuText(HMENU menu, UINT position) {
    wchar_t text[256] = L"";
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

TEST_F(PresentationLibrary, MenuFiftyHasItsPopupsAndItems) {
    HMENU menu = LoadMenuW(module_, MAKEINTRESOURCEW(IDM_STATUS_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(menuText(menu, 0), L"ジョブ(&J)");
    EXPECT_EQ(menuText(menu, 1), L"オプション(&S)");
    EXPECT_EQ(menuText(menu, 2), L"ヘルプ(&H)");
    struct Item {
        int popup;
        int position;
        int id;  // 0 separator, -1 submenu
        const wchar_t* text;
    };
    const Item items[] = {
        {0, 0, 100, L"一時停止(&P)"}, {0, 1, 101, L"再開(&R)"}, {0, 2, 0, L""}, {0, 3, 103, L"印刷中止(&D)"},
        {1, 0, 120, L"環境設定(&F)..."}, {1, 1, 135, L"用紙サイズの登録(&G)..."},
        {1, 2, 105, L"消耗品／カウンタ情報(&C)"}, {1, 3, 106, L"最新の情報に更新(&R)"}, {1, 4, 0, L""},
        {1, 5, -1, L"ユーティリティ(&U)"},
        {2, 0, 130, L"トピックの検索(&H)"}, {2, 1, 0, L""}, {2, 2, 133, L"バージョン情報(&A)"},
    };
    for (const Item& item : items) {
        HMENU popup = GetSubMenu(menu, item.popup);
        const UINT position = static_cast<UINT>(item.position);
        const UINT id = GetMenuItemID(popup, item.position);
        if (item.id == -1) {
            EXPECT_EQ(id, static_cast<UINT>(-1)) << item.popup << "/" << item.position;
        } else {
            EXPECT_EQ(id, static_cast<UINT>(item.id)) << item.popup << "/" << item.position;
        }
        EXPECT_EQ(menuText(popup, position), item.text) << item.popup << "/" << item.position;
    }
    HMENU utility = GetSubMenu(GetSubMenu(menu, 1), 5);
    ASSERT_NE(utility, nullptr);
    EXPECT_EQ(GetMenuItemID(utility, 0), 104u);
    EXPECT_EQ(menuText(utility, 0), L"クリーニング(&C)");
    EXPECT_EQ(GetMenuItemID(utility, 1), 134u);
    EXPECT_EQ(menuText(utility, 1), L"キャリブレーション(&B)");
    DestroyMenu(menu);
}

TEST_F(PresentationLibrary, ToolbarsInTheirHolders) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"holder test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr) << "CreateWindowExW error " << GetLastError();
    struct Case {
        const char* name;
        SIZE size;
        std::vector<int> commands;
    };
    const Case cases[] = {{kCreateToolbar, {73, 24}, {100, 101, 103}}, {kCreateToolbar2, {49, 24}, {105, 106}}};
    for (const Case& c : cases) {
        HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        HWND toolbar = resolve<CreateToolbarFn>(c.name)(holder, 0);
        ASSERT_NE(toolbar, nullptr) << c.name;
        EXPECT_EQ(GetParent(toolbar), holder) << c.name;
        EXPECT_EQ(GetDlgCtrlID(toolbar), kToolbarControlId) << c.name;
        RECT r{};
        GetWindowRect(toolbar, &r);
        MapWindowPoints(nullptr, holder, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 0) << c.name;
        EXPECT_EQ(r.top, 0) << c.name;
        EXPECT_EQ(r.right - r.left, c.size.cx) << c.name;
        EXPECT_EQ(r.bottom - r.top, c.size.cy) << c.name;
        EXPECT_TRUE(GetWindowLongW(toolbar, GWL_STYLE) & TBSTYLE_TOOLTIPS) << c.name;
        ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(c.commands.size())) << c.name;
        for (std::size_t i = 0; i < c.commands.size(); ++i) {
            TBBUTTON b{};
            SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
            EXPECT_EQ(b.idCommand, c.commands[i]) << c.name << " button " << i;
            EXPECT_EQ(b.iBitmap, static_cast<int>(i)) << c.name << " button " << i;
            EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, static_cast<WPARAM>(c.commands[i]), 0))
                << c.name << " button " << i;
        }
    }
    EXPECT_EQ(resolve<CreateToolbarFn>(kCreateToolbar)(nullptr, 0), nullptr);
    DestroyWindow(parent);
}

TEST_F(PresentationLibrary, FileNamesHelpAndTooltips) {
    const auto fileName = resolve<GetFileNameFn>(kGetFileName);
    wchar_t name[MAX_PATH];
    wcscpy(name, L"sentinel");
    EXPECT_TRUE(fileName(0, name));
    EXPECT_STREQ(name, L"ZRT7QEMN.DLL");
    wcscpy(name, L"sentinel");
    EXPECT_FALSE(fileName(1, name));
    EXPECT_STREQ(name, L"");
    EXPECT_TRUE(fileName(2, name));
    EXPECT_STREQ(name, L"ZRT7Q.HLP");

    const auto tip = resolve<GetToolTipTextFn>(kGetToolTipText);
    EXPECT_EQ(tip(106), 5104u);
    EXPECT_EQ(tip(999), 5701u);
    wchar_t text[256] = L"";
    LoadStringW(module_, tip(100), text, 256);
    EXPECT_STREQ(text, L"一時停止");

    // Popups of the window's own menu against those of another menu.
    const auto help = resolve<GetMenuHelpTextFn>(kGetMenuHelpText);
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HMENU menu = LoadMenuW(module_, MAKEINTRESOURCEW(IDM_STATUS_MENU));
    SetMenu(window, menu);
    EXPECT_EQ(help(window, 1, MF_POPUP, menu), 5005u);
    EXPECT_EQ(help(window, 5, MF_POPUP, GetSubMenu(menu, 1)), 5024u);
    EXPECT_EQ(help(window, 0, MF_POPUP, GetSystemMenu(window, FALSE)), 5012u);
    EXPECT_EQ(help(window, SC_CLOSE, 0, nullptr), 5018u);
    EXPECT_EQ(help(window, 1558, 0, menu), 5701u);
    DestroyWindow(window);
}

}  // namespace
