// Who may hear a display's sound: on a printer shared on a server, another user's job on
// another computer stays silent; without a status record only the displays that have none by
// nature (port not supported, print server error, port used by another device) sound.
#pragma once

#include <cstdint>

namespace zrt::statuswindow::sounds {

struct SoundListener {
    std::uint32_t attachmentKind = 1;  // 0 shared on a server
    int userMatch = 0;                 // 0 = same user (or no record)
    int computerMatch = 0;             // 0 = same computer (or no record)
};

// Whether the display's sound name (present and not yet played) sounds.
bool displayMaySound(std::uint32_t displayId, bool recordHeld, const SoundListener& listener) noexcept;

}  // namespace zrt::statuswindow::sounds
