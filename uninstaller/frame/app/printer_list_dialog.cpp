#include "uninstaller/frame/app/printer_list_dialog.h"

#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {

void PrinterListDialog::runModal() { Dialog::runModal(nullptr); }

bool PrinterListDialog::createHidden() { return createModeless(nullptr); }

WindowRef PrinterListDialog::window() const { return toRef(hwnd()); }

void PrinterListDialog::destroy() {
    if (hwnd() == nullptr) {
        return;
    }
    SendMessageA(hwnd(), WM_DESTROY, 0, 0);  // the destroy notification first
    Dialog::destroy();
}

void PrinterListDialog::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    removeConfigCopy(app_.machine().files, app_.productNames(), app_.tempFolder());
}

bool PrinterListDialog::onInitDialog() {
    app_.session().mainWindow = toRef(hwnd());
    list_.attach(item(kPrinterListView));
    updateDeleteButton();
    return true;
}

void PrinterListDialog::updateDeleteButton() {
    EnableWindow(item(kCommandSelectAll), list_.itemCount() > 0 ? TRUE : FALSE);
    EnableWindow(item(kCommandDelete), list_.selectedCount() > 0 ? TRUE : FALSE);
}

bool PrinterListDialog::onCommand(int id, int notification) {
    switch (id) {
    case kCommandSelectAll:
        list_.selectAll();
        updateDeleteButton();
        return true;
    case kCommandDelete:   // the removal run
    case kCommandCleanup:  // the clean-up run
        return true;
    case kCommandClose:
        finish();
        close(IDCANCEL);
        return true;
    default:
        return Dialog::onCommand(id, notification);
    }
}

void PrinterListDialog::onDestroy() {
    if (app_.session().silent) {
        finish();
    }
}

}  // namespace zrt::un::win32
