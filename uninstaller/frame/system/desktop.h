// Top-level windows of other programs and of the uninstaller: found by class and title,
// sent or posted messages, and the relations a message box's owner is chosen from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zrt::un {

using WindowRef = std::uintptr_t;  // 0 is no window
inline constexpr WindowRef kNoWindow = 0;

class Desktop {
public:
    virtual ~Desktop() = default;
    // An empty class or title matches any.
    virtual WindowRef findWindow(const std::optional<std::string>& className,
                                 const std::optional<std::string>& title) = 0;
    virtual std::intptr_t sendMessage(WindowRef window, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual bool postMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // The owner, else the parent; kNoWindow for neither.
    virtual WindowRef ownerOrParent(WindowRef window) = 0;
    virtual WindowRef foregroundWindow() = 0;
};

}  // namespace zrt::un
