#include "uninstaller/frame/win32/dialog.h"

namespace zrt::un::win32 {

Dialog::~Dialog() { destroy(); }

INT_PTR Dialog::runModal(HWND owner) {
    modal_ = true;
    return DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId_), owner, &Dialog::procedure,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::createModeless(HWND owner) {
    modal_ = false;
    return CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), owner, &Dialog::procedure,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

LRESULT Dialog::sendCommand(int id) {
    return SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(item(id)));
}

void Dialog::close(INT_PTR result) {
    if (hwnd_ == nullptr) {
        return;
    }
    if (modal_) {
        EndDialog(hwnd_, result);
    } else {
        destroy();
    }
}

void Dialog::destroy() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool Dialog::onCommand(int id, int) {
    if (id == IDCANCEL || id == IDOK) {
        close(id);
        return true;
    }
    return false;
}

INT_PTR Dialog::onMessage(UINT, WPARAM, LPARAM, bool&) { return FALSE; }

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    const INT_PTR result = self->route(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::route(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        return onCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_DESTROY:
        onDestroy();
        return FALSE;
    default: {
        bool handled = false;
        const INT_PTR result = onMessage(message, wParam, lParam, handled);
        return handled ? result : FALSE;
    }
    }
}

}  // namespace zrt::un::win32
