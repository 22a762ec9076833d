#include "uninstaller/ui/win32/message_debug_dialog.h"

#include <commctrl.h>

#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {

MessageDebugDialog::MessageDebugDialog(HINSTANCE instance, MessageCatalog& catalog,
                                       TextServices& text)
    : Dialog(instance, kMessageDebugTemplate), text_(text), debug_(catalog), catalog_(catalog) {}

bool MessageDebugDialog::onInitDialog() {
    list_.attach(item(kMessageDebugList));
    RECT client;
    GetClientRect(list_.hwnd(), &client);
    list_.insertColumn(0, kMessageDebugIdColumn, kMessageDebugIdWidth);
    list_.insertColumn(1, kMessageDebugTextColumn, client.right - kMessageDebugTextSlack);
    rows_ = messageDebugRows(catalog_, text_);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int index = list_.insertItem(static_cast<int>(i), rows_[i].symbol,
                                           static_cast<LPARAM>(rows_[i].stringId));
        list_.setItemText(index, 1, rows_[i].text);
    }
    const LONG_PTR style = GetWindowLongPtrA(list_.hwnd(), GWL_STYLE);
    SetWindowLongPtrA(list_.hwnd(), GWL_STYLE, style | LVS_SINGLESEL);
    SendMessageA(list_.hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    debug_.open();
    return true;
}

bool MessageDebugDialog::onCommand(int id, int notification) {
    if (id == kMessageDebugShow) {
        debug_.showSelected(toRef(hwnd()), rows_);
        return true;
    }
    if (id == IDOK) {
        return true;
    }
    return Dialog::onCommand(id, notification);
}

void MessageDebugDialog::onListNotify(const NMHDR& header) {
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0 &&
            (change.uOldState & LVIS_SELECTED) == 0) {
            debug_.rowSelected(change.iItem);
        }
    } else if (header.code == NM_DBLCLK && list_.selectedCount() > 0) {
        debug_.showSelected(toRef(hwnd()), rows_);
    }
}

INT_PTR MessageDebugDialog::onMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->idFrom == static_cast<UINT_PTR>(kMessageDebugList)) {
            onListNotify(*header);
        }
        handled = false;
    }
    return FALSE;
}

}  // namespace zrt::un::win32
