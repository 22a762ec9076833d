#include "uninstaller/ui/win32/win32_run_ui.h"

#include "uninstaller/ui/win32/cleanup_progress_dialog.h"
#include "uninstaller/ui/win32/flush_user_input.h"

namespace zrt::un::win32 {

std::unique_ptr<ProgressWindow> Win32RunUi::createProgress() {
    auto progress = std::make_unique<CleanupProgressDialog>(instance_, main_);
    if (!progress->create()) {
        return nullptr;
    }
    return progress;
}

void Win32RunUi::FlushUserInput() { win32::FlushUserInput(); }

void Win32RunUi::dispatchPending() { DispatchPendingMessages(); }

void Win32RunUi::repaintMainWindow() {
    if (main_ != nullptr) {
        RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void Win32RunUi::showWaitCursor(bool on) {
    waitCursors_ += on ? 1 : -1;
    if (waitCursors_ < 0) {
        waitCursors_ = 0;
    }
    SetCursor(LoadCursor(nullptr, waitCursors_ > 0 ? IDC_WAIT : IDC_ARROW));
}

}  // namespace zrt::un::win32
