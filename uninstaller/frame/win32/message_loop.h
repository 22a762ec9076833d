// The framework's message loop: runs until WM_QUIT and gives its exit value.
#pragma once

#include <windows.h>

#include "uninstaller/frame/application.h"

namespace zrt::un::win32 {

class Win32MessageLoop final : public MessageLoop {
public:
    int run() override {
        MSG message{};
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return static_cast<int>(message.wParam);
    }
};

}  // namespace zrt::un::win32
