// A run's user interface on Win32: the progress window over the main window, message
// dispatching with keys and clicks thrown away, the wait cursor.
#pragma once

#include <windows.h>

#include "uninstaller/ui/progress/run_ui.h"

namespace zrt::un::win32 {

class Win32RunUi final : public RunUi {
public:
    Win32RunUi(HINSTANCE instance, HWND mainWindow) : instance_(instance), main_(mainWindow) {}

    std::unique_ptr<ProgressWindow> createProgress() override;
    void FlushUserInput() override;
    void dispatchPending() override;
    void pause(unsigned milliseconds) override { Sleep(milliseconds); }
    void repaintMainWindow() override;
    void showWaitCursor(bool on) override;

private:
    HINSTANCE instance_;
    HWND main_;
    int waitCursors_ = 0;
};

}  // namespace zrt::un::win32
