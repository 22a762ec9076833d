#include "uninstaller/frame/win32/list_view.h"

#include <commctrl.h>

#include <vector>

namespace zrt::un::win32 {
namespace {

std::vector<char> writable(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    return buffer;
}

}  // namespace

int ListView::itemCount() const {
    return static_cast<int>(SendMessageA(control_, LVM_GETITEMCOUNT, 0, 0));
}

bool ListView::insertColumn(int index, const std::string& title, int width) {
    auto text = writable(title);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text.data();
    return SendMessageA(control_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&column)) >= 0;
}

int ListView::insertItem(int index, const std::string& text, LPARAM data) {
    auto buffer = writable(text);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = buffer.data();
    item.lParam = data;
    return static_cast<int>(
        SendMessageA(control_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::setItemText(int index, int column, const std::string& text) {
    auto buffer = writable(text);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    return SendMessageA(control_, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item)) != FALSE;
}

LPARAM ListView::itemData(int index) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageA(control_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return 0;
    }
    return item.lParam;
}

bool ListView::isSelected(int index) const {
    return (SendMessageA(control_, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                         LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListView::select(int index, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(control_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void ListView::selectAll() { select(-1, true); }  // -1: every item

int ListView::selectedCount() const {
    return static_cast<int>(SendMessageA(control_, LVM_GETSELECTEDCOUNT, 0, 0));
}

void ListView::deleteAll() { SendMessageA(control_, LVM_DELETEALLITEMS, 0, 0); }

}  // namespace zrt::un::win32
