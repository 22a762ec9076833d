#include "statuswindow/shell_jobs/job_list.h"

#include <commctrl.h>

#include <string>

#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell_jobs {

namespace {

namespace jc = jobcontrol;

constexpr UINT_PTR kSubclassId = 508;

jc::JobListInput inputKind(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: return jc::JobListInput::MouseButtonDown;
        case WM_COMMAND: return jc::JobListInput::Command;
        case WM_CHAR: return jc::JobListInput::Character;
        default: return jc::JobListInput::Other;
    }
}

std::wstring itemText(HWND list, int row, int column) {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void setItemText(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<LPWSTR>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const auto* hooks = reinterpret_cast<const JobListHooks*>(data);
    const jc::JobListInputHandling handling = jc::handlingOf(inputKind(message));
    if (handling.touchUser && hooks != nullptr && hooks->touchUser) hooks->touchUser();
    if (handling.forwardToMainWindow) SendMessageW(GetParent(list), message, wParam, lParam);
    if (handling.swallow) return 0;
    if (message == WM_PAINT && hooks != nullptr && hooks->column1) setColumn1(list, hooks->column1());
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, listProc, kSubclassId);
    return DefSubclassProc(list, message, wParam, lParam);
}

void insertColumn(HWND list, int index, const jc::JobListColumn& column, HINSTANCE module) {
    std::wstring title = shell::toWide(jc::titleText(column.title, loadProgramString(module, column.title.stringId)));
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.cx = static_cast<int>(column.width);
    c.pszText = title.data();
    c.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&c));
}

void insertRow(HWND list, int index, const jc::Title& title, HINSTANCE module) {
    std::wstring text = shell::toWide(jc::titleText(title, loadProgramString(module, title.stringId)));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = text.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

std::optional<Text> loadProgramString(HINSTANCE module, std::uint32_t id) {
    const wchar_t* text = nullptr;
    const int n = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || text == nullptr) return std::nullopt;
    return Text(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(n));
}

// The list shares its image list (LVS_SHAREIMAGELISTS): the main window owns it and frees it
// once, also on the quit path where the list is destroyed without the shutdown steps.
HWND createJobList(HWND parent, HINSTANCE module, const presentation::WindowLayout& layout, const JobListHooks* hooks) {
    const presentation::Rect16& r = layout.jobList;
    const HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
                                      r.x, r.y, r.width,
                                      r.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kJobListId)),
                                      module, nullptr);
    if (list == nullptr) return nullptr;
    applyListColours(list);
    const auto columns = jc::jobListColumns(layout);
    for (std::size_t i = 0; i < columns.size(); ++i) insertColumn(list, static_cast<int>(i), columns[i], module);
    for (std::size_t i = 0; i < jc::kJobListRowTitles.size(); ++i)
        insertRow(list, static_cast<int>(i), jc::kJobListRowTitles[i], module);
    SetWindowSubclass(list, listProc, kSubclassId, reinterpret_cast<DWORD_PTR>(hooks));
    return list;
}

void setColumn1(HWND list, const Column1Texts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::wstring wanted = shell::toWide(texts[i]);
        if (itemText(list, static_cast<int>(i), 1) != wanted) setItemText(list, static_cast<int>(i), 1, wanted);
    }
}

void clearSelection(HWND list) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

void applyListColours(HWND list) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    SendMessageW(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(face));
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(face));
}

}  // namespace zrt::statuswindow::shell_jobs
