// The status window's copy of what the presentation library's display record says, in plain
// values: the shell converts the library's record into this after every PSM_GetPSWDisplay.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "presentation/core/display_values.h"
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

// Ids whose inserts or sound rules the status window knows by number; the numbers are the
// presentation library's.
namespace display_id {
using presentation::DisplayId;
using presentation::toNumber;
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kPortNotSupported = toNumber(DisplayId::PortNotSupported);
inline constexpr std::uint32_t kStatusBeingAcquired = toNumber(DisplayId::StatusBeingAcquired);
inline constexpr std::uint32_t kPrintServerError = toNumber(DisplayId::PrintServerError);
inline constexpr std::uint32_t kPrinting = toNumber(DisplayId::Printing);
inline constexpr std::uint32_t kPrintingCountUnknown = toNumber(DisplayId::PrintingPageCountUnknown);
inline constexpr std::uint32_t kPaused = toNumber(DisplayId::Paused);
inline constexpr std::uint32_t kPausedCountUnknown = toNumber(DisplayId::PausedPageCountUnknown);
inline constexpr std::uint32_t kCleaning = toNumber(DisplayId::Cleaning);
inline constexpr std::uint32_t kJobFinished = toNumber(DisplayId::JobFinished);
inline constexpr std::uint32_t kJobCancelled = toNumber(DisplayId::JobCancelled);
inline constexpr std::uint32_t kPortUsedByOtherDevice = toNumber(DisplayId::PortUsedByOtherDevice);
}  // namespace display_id

namespace animation_mode {
inline constexpr std::uint32_t kNone = static_cast<std::uint32_t>(presentation::AnimationMode::None);
inline constexpr std::uint32_t kWhilePagesAdvance =
    static_cast<std::uint32_t>(presentation::AnimationMode::WhilePagesAdvance);
inline constexpr std::uint32_t kLoop = static_cast<std::uint32_t>(presentation::AnimationMode::Loop);
}  // namespace animation_mode

// Progress pane: 1 shows no page count.
inline constexpr std::uint32_t kPagesTextHidden = static_cast<std::uint32_t>(presentation::PagesText::Hidden);

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
