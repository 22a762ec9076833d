// The status window's copy of what the presentation library's display record says, in plain
// values: the shell converts the library's record into this after every PSM_GetPSWDisplay.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow {

// One headline or message entry.
struct DisplayText {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t fontHeight = 0;
    std::int32_t fontWeight = 0;
    std::uint32_t stringId = 0;  // 0 = empty entry
    Text text;
};

// Ids whose inserts or sound rules the status window knows by number.
namespace display_id {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kPortNotSupported = 100;
inline constexpr std::uint32_t kStatusBeingAcquired = 101;
inline constexpr std::uint32_t kPrintServerError = 102;
inline constexpr std::uint32_t kPrinting = 200;
inline constexpr std::uint32_t kPrintingCountUnknown = 201;
inline constexpr std::uint32_t kPaused = 202;
inline constexpr std::uint32_t kPausedCountUnknown = 203;
inline constexpr std::uint32_t kCleaning = 206;
inline constexpr std::uint32_t kJobFinished = 301;
inline constexpr std::uint32_t kJobCancelled = 302;
inline constexpr std::uint32_t kPortUsedByOtherDevice = 507;
}  // namespace display_id

namespace animation_mode {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kWhilePagesAdvance = 1;
inline constexpr std::uint32_t kLoop = 2;
}  // namespace animation_mode

// Progress pane: 1 shows no page count.
inline constexpr std::uint32_t kPagesTextHidden = 1;

struct Display {
    std::uint32_t id = display_id::kNone;
    bool hasWindowIcon = false;
    DisplayText headline;
    std::vector<DisplayText> messages;
    std::uint32_t background = 600;
    std::uint32_t pictureId = 0;
    std::uint32_t animationMode = animation_mode::kNone;
    std::vector<std::uint32_t> frameDurationsMs;  // one per animation frame
    std::uint32_t pagesText = kPagesTextHidden;
    std::optional<Text> sound;  // sound name, or none

    std::size_t frameCount() const noexcept { return frameDurationsMs.size(); }
};

}  // namespace zrt::statuswindow
