// The presentation library's display record turned into the core's Display (texts copied, so
// that the core never holds the library's buffers).
#pragma once

#include "presentation/psm_interface.h"
#include "statuswindow/core/display.h"

namespace zrt::statuswindow::shell {

// Bounds on what the window reads from a record that comes from another module.
inline constexpr std::int32_t kMaxMessagesRead = 32;
inline constexpr std::int32_t kMaxFramesRead = 16;
inline constexpr std::size_t kMaxTextRead = 1024;
inline constexpr std::size_t kMaxSoundNameRead = 260;

Display toDisplay(const psm::DisplayRecord& record);

}  // namespace zrt::statuswindow::shell
