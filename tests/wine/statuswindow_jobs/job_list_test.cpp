#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "statuswindow/shell_jobs/job_list.h"
#include "wine_jobs_support.h"

namespace zrt::statuswindow::wine {
namespace {

using shell_jobs::Column1Texts;

// A hidden top-level window that counts the characters it receives.
class ParentWindow {
public:
    ParentWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZrtJobsListParent";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 460, 400, nullptr, nullptr,
                                wc.hInstance, nullptr);
        chars_ = 0;
    }
    ~ParentWindow() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }
    static int chars() { return chars_; }

private:
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_CHAR) ++chars_;
        return DefWindowProcW(h, m, w, l);
    }
    HWND hwnd_ = nullptr;
    static inline int chars_ = 0;
};

std::wstring cell(HWND list, int row, int column) {
    wchar_t buffer[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::wstring header(HWND list, int column) {
    wchar_t buffer[64] = {};
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT;
    c.pszText = buffer;
    c.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    return buffer;
}

TEST(JobList, ColumnsRowsAndEnglishTitlesWithoutTheProgramsStrings) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    ParentWindow parent;
    const HWND list = shell_jobs::createJobList(parent.hwnd(), GetModuleHandleW(nullptr), presentation::kWindowLayout, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetDlgCtrlID(list), 508);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 90);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 321);
    EXPECT_EQ(header(list, 0), L"Title") << "this test program has no string 2017";
    EXPECT_EQ(header(list, 1), L"Contents");
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(cell(list, 0, 0), L"Document name");
    EXPECT_EQ(cell(list, 1, 0), L"User name");
    EXPECT_EQ(cell(list, 2, 0), L"Computer name");
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), GetSysColor(COLOR_BTNFACE));
    RECT r{};
    GetWindowRect(list, &r);
    MapWindowPoints(nullptr, parent.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 9);
    EXPECT_EQ(r.top, 235);
    EXPECT_EQ(r.right - r.left, 415);
    EXPECT_EQ(r.bottom - r.top, 80);
}

TEST(JobList, MouseAndCommandsTouchTheUserAndCharactersReachTheMainWindow) {
    ParentWindow parent;
    int touched = 0;
    Column1Texts texts{u"見積書.doc", u"hanako", u"KEIRI-PC"};
    shell_jobs::JobListHooks hooks{[&] { ++touched; }, [&] { return texts; }};
    const HWND list = shell_jobs::createJobList(parent.hwnd(), GetModuleHandleW(nullptr), presentation::kWindowLayout, &hooks);
    ASSERT_NE(list, nullptr);

    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
    SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 30));
    EXPECT_EQ(touched, 2);
    EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 0) << "a click selects no row";
    SendMessageW(list, WM_COMMAND, 1, 0);
    EXPECT_EQ(touched, 3);
    SendMessageW(list, WM_CHAR, L'a', 0);
    EXPECT_EQ(ParentWindow::chars(), 1) << "typed characters go to the main window";

    InvalidateRect(list, nullptr, FALSE);
    SendMessageW(list, WM_PAINT, 0, 0);
    EXPECT_EQ(cell(list, 0, 1), L"見積書.doc");
    EXPECT_EQ(cell(list, 1, 1), L"hanako");
    EXPECT_EQ(cell(list, 2, 1), L"KEIRI-PC");
    texts = Column1Texts{};
    SendMessageW(list, WM_PAINT, 0, 0);
    EXPECT_EQ(cell(list, 0, 1), L"") << "emptied when the job is over";

    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
    ASSERT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    shell_jobs::clearSelection(list);
    EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), -1);
    DestroyWindow(list);
}

}  // namespace
}  // namespace zrt::statuswindow::wine
