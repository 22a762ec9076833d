#include "uninstaller/ui/win32/cleanup_progress_dialog.h"

#include <commctrl.h>

#include "uninstaller/ui/printer_list/list_ids.h"

namespace zrt::un::win32 {

CleanupProgressDialog::CleanupProgressDialog(HINSTANCE instance, HWND parent)
    : Dialog(instance, kProgressTemplate), parent_(parent) {}

CleanupProgressDialog::~CleanupProgressDialog() { destroy(); }

bool CleanupProgressDialog::create() { return createModeless(parent_); }

bool CleanupProgressDialog::onInitDialog() {
    centre();
    bar_.attach(item(kProgressBar));  // the template's bar is the one bar
    bar_.setRange(kProgressRangeLow, kProgressRangeHigh);
    bar_.setPosition(0);
    return false;  // a progress window takes no focus
}

void CleanupProgressDialog::centre() {
    RECT window;
    GetWindowRect(hwnd(), &window);
    RECT area;
    if (parent_ == nullptr || !GetWindowRect(parent_, &area)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = area.left + ((area.right - area.left) - width) / 2;
    const int top = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CleanupProgressDialog::onCommand(int id, int notification) {
    if (id == IDCANCEL || id == IDOK) {
        return true;  // the close request is ignored
    }
    return Dialog::onCommand(id, notification);
}

INT_PTR CleanupProgressDialog::onMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    if (message == WM_CLOSE) {
        handled = true;
        return TRUE;
    }
    return FALSE;
}

void CleanupProgressDialog::setTitle(const std::string& text) { SetWindowTextA(hwnd(), text.c_str()); }

void CleanupProgressDialog::setText(const std::string& text) {
    SetDlgItemTextA(hwnd(), kProgressText, text.c_str());
}

void CleanupProgressDialog::setPos(int position) { bar_.setPosition(position); }

void CleanupProgressDialog::setStep(int step) {
    SendMessageA(bar_.hwnd(), PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

void CleanupProgressDialog::stepIt() { SendMessageA(bar_.hwnd(), PBM_STEPIT, 0, 0); }

void CleanupProgressDialog::show() { ShowWindow(hwnd(), SW_SHOW); }

void CleanupProgressDialog::hide() { ShowWindow(hwnd(), SW_HIDE); }

void CleanupProgressDialog::activate() { SetActiveWindow(hwnd()); }

void CleanupProgressDialog::repaint() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace zrt::un::win32
