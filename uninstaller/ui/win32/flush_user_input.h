// Keeping the windows drawn during a long run while the user's keys and clicks are thrown away.
#pragma once

namespace zrt::un::win32 {

inline constexpr unsigned kFlushLimit = 1002;         // messages per loop at most
inline constexpr unsigned kKeyboardFirst = 256;       // WM_KEYDOWN
inline constexpr unsigned kKeyboardLast = 265;
inline constexpr unsigned kClickFirst = 513;          // WM_LBUTTONDOWN
inline constexpr unsigned kClickLast = 515;           // WM_LBUTTONDBLCLK

// Removes pending keyboard messages, then pending left-button down, up and double-click
// messages, without dispatching them; then dispatches up to 1002 pending messages of any kind.
// A quit message met on the way is posted again for the message loop.
void FlushUserInput();

// Translates and dispatches pending messages until the queue is empty (a quit message is
// posted again and ends the dispatching).
void DispatchPendingMessages();

}  // namespace zrt::un::win32
