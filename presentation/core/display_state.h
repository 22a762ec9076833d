// What a status or connection record looks like on screen: the value the mapping returns and
// the presentation library turns into its display record. Fixed size, no allocation.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "presentation/core/display_values.h"

namespace zrt::presentation {

// Message entries of a display: string ids in display order; 0 is an empty entry, which still
// counts. The longest list is the display's own message followed by five notes.
inline constexpr std::size_t kMaxMessages = 6;

class MessageList {
public:
    // Appends an entry; a full list keeps its entries (the mapping never fills it beyond
    // kMaxMessages, and this keeps a mistake from writing past the array).
    constexpr void push(std::uint32_t stringId) noexcept {
        if (count_ < kMaxMessages) ids_[count_++] = stringId;
    }
    constexpr void clear() noexcept {
        ids_ = {};
        count_ = 0;
    }
    constexpr std::size_t size() const noexcept { return count_; }
    constexpr bool empty() const noexcept { return count_ == 0; }
    // Entry i; 0 for i at or beyond size().
    constexpr std::uint32_t operator[](std::size_t i) const noexcept { return i < count_ ? ids_[i] : 0; }
    constexpr const std::uint32_t* begin() const noexcept { return ids_.data(); }
    constexpr const std::uint32_t* end() const noexcept { return ids_.data() + count_; }

private:
    std::array<std::uint32_t, kMaxMessages> ids_{};
    std::size_t count_ = 0;
};

constexpr bool operator==(const MessageList& a, const MessageList& b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Command state sets for the menu (0 enabled / 1 grayed) and the toolbar (0 / 4 / 5) of the
// commands Pause, Resume and Cancel, in that order.
struct DisplayState {
    DisplayId id = DisplayId::StatusBeingAcquired;
    std::uint32_t headline = 0;  // string id of the headline
    MessageList messages;        // string ids of the message entries
    std::uint32_t icon = 0;      // icon resource id (window icon and pane icon)
    Background background = Background::Normal;
    std::uint32_t picture = 0;   // bitmap resource id of the printer picture
    AnimationMode animation = AnimationMode::None;
    std::uint32_t frameCount = 0;  // 0, or kAnimationFrameCount frames of kAnimationFrames
    PagesText pagesText = PagesText::Hidden;
    Sound sound = Sound::None;
    CommandStateSet menu{};
    CommandStateSet toolbar{};
};

}  // namespace zrt::presentation
