#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {

WindowRef Win32Desktop::findWindow(const std::optional<std::string>& className,
                                   const std::optional<std::string>& title) {
    return toRef(FindWindowA(className ? className->c_str() : nullptr,
                             title ? title->c_str() : nullptr));
}

std::intptr_t Win32Desktop::sendMessage(WindowRef window, std::uint32_t message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
    return SendMessageA(toHwnd(window), message, wParam, lParam);
}

bool Win32Desktop::postMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) {
    return PostMessageA(toHwnd(window), message, wParam, lParam) != FALSE;
}

WindowRef Win32Desktop::ownerOrParent(WindowRef window) {
    if (HWND owner = GetWindow(toHwnd(window), GW_OWNER)) {
        return toRef(owner);
    }
    return toRef(GetParent(toHwnd(window)));
}

WindowRef Win32Desktop::foregroundWindow() { return toRef(GetForegroundWindow()); }

int Win32MessageBoxes::show(WindowRef owner, const std::string& text, const std::string& title,
                            std::uint32_t type) {
    return MessageBoxA(toHwnd(owner), text.c_str(), title.c_str(), type);
}

std::optional<LocalTime> Win32Clock::now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace zrt::un::win32
