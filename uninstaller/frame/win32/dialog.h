// The framework's dialog base: a dialog from a template, modal or modeless (a template without
// the visible style stays hidden), with commands dispatched to onCommand and a hook on
// WM_DESTROY. The object is bound to its window at WM_INITDIALOG; the procedure only routes.
#pragma once

#include <windows.h>

namespace zrt::un::win32 {

class Dialog {
public:
    Dialog(HINSTANCE instance, int templateId) : instance_(instance), templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog and returns its result when it closes; -1 when it cannot be created.
    INT_PTR runModal(HWND owner);
    bool createModeless(HWND owner);
    HWND hwnd() const { return hwnd_; }
    // Sends the command a button with this id sends when clicked, and waits for it.
    LRESULT sendCommand(int id);
    // Modal: ends the dialog with `result`; modeless: destroys it.
    void close(INT_PTR result);
    void destroy();

protected:
    virtual bool onInitDialog() { return true; }
    // True when handled.
    virtual bool onCommand(int id, int notification);
    virtual void onDestroy() {}
    // Other messages; set `handled` to keep the default handling out.
    virtual INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR route(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

}  // namespace zrt::un::win32
