// The display table: for every display id its headline, own message, icon, background,
// picture, animation, sound, pages text and command states, before the variants and notes
// that depend on the record (display_mapping.h).
#pragma once

#include <array>
#include <cstdint>

#include "presentation/core/display_values.h"

namespace zrt::presentation {

struct DisplayRow {
    DisplayId id;
    std::uint32_t headline;  // string id
    std::uint32_t message;   // string id of the display's own message; 0 = none
    std::uint32_t icon;
    Background background;
    std::uint32_t picture;
    AnimationMode animation;
    Sound sound;
    PagesText pagesText;
    CommandStateSet menu;
    CommandStateSet toolbar;
};

// Every row, in ascending id order.
const std::array<DisplayRow, kDisplayCount>& displayTable() noexcept;

// The row of an id, or nullptr for a number that is no display id.
const DisplayRow* findDisplayRow(std::uint32_t id) noexcept;
inline const DisplayRow* findDisplayRow(DisplayId id) noexcept { return findDisplayRow(toNumber(id)); }

// True for the numbers of the display table.
inline bool isDisplayId(std::uint32_t id) noexcept { return findDisplayRow(id) != nullptr; }

}  // namespace zrt::presentation
