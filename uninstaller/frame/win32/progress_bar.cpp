#include "uninstaller/frame/win32/progress_bar.h"

#include <commctrl.h>

namespace zrt::un::win32 {

void ProgressBar::setRange(int low, int high) {
    SendMessageA(control_, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

int ProgressBar::setPosition(int position) {
    return static_cast<int>(SendMessageA(control_, PBM_SETPOS, static_cast<WPARAM>(position), 0));
}

int ProgressBar::position() const {
    return static_cast<int>(SendMessageA(control_, PBM_GETPOS, 0, 0));
}

}  // namespace zrt::un::win32
