// Decisions of the status window's start-up: where the window goes in the z-order, whether it
// shows itself, and whether it starts as touched by the user.
#pragma once

#include <cstdint>

namespace zrt::statuswindow {

struct StartSettings {
    std::uint32_t launchMode = 0;
    bool alwaysOnTop = false;  // "AlwaysOnTop" set
    bool showing = false;      // "Showing" set: show only on errors
    bool noActivate = false;   // "SetFocus" absent or 0
};

enum class ZOrder { Topmost, Bottom, NotTopmost };
// The z-order set (hiding the window) before the first show.
ZOrder initialZOrder(const StartSettings& s) noexcept;

enum class InitialShow { ShowAndForeground, Hide, ShowNoActivate };
InitialShow initialShow(const StartSettings& s) noexcept;

// A window opened at the user's request starts as touched: it never closes itself.
bool startsUserTouched(std::uint32_t launchMode) noexcept;

// The window takes the focus after creation unless "Showing" is 1 or no-activate mode is set.
bool takesFocusAfterCreation(std::uint32_t showingValue, bool noActivate) noexcept;

}  // namespace zrt::statuswindow
