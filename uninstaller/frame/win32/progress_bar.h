// A thin wrapper of a progress-bar control.
#pragma once

#include <windows.h>

namespace zrt::un::win32 {

class ProgressBar {
public:
    void attach(HWND control) { control_ = control; }
    HWND hwnd() const { return control_; }
    void setRange(int low, int high);
    // The previous position.
    int setPosition(int position);
    int position() const;

private:
    HWND control_ = nullptr;
};

}  // namespace zrt::un::win32
