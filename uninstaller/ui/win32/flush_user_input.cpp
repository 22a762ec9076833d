#include "uninstaller/ui/win32/flush_user_input.h"

#include <windows.h>

namespace zrt::un::win32 {
namespace {

// The quit message comes whatever the filter: it is posted again for the message loop.
void discard(unsigned first, unsigned last) {
    MSG message;
    for (unsigned i = 0; i < kFlushLimit && PeekMessageA(&message, nullptr, first, last, PM_REMOVE);
         ++i) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
    }
}

// Dispatches one pending message; false when there was none or it was the quit message.
bool dispatchOne() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

}  // namespace

void FlushUserInput() {
    discard(kKeyboardFirst, kKeyboardLast);
    discard(kClickFirst, kClickLast);
    for (unsigned i = 0; i < kFlushLimit && dispatchOne(); ++i) {
    }
}

void DispatchPendingMessages() {
    while (dispatchOne()) {
    }
}

}  // namespace zrt::un::win32
