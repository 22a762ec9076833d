#include "statuswindow/sounds/sound_rules.h"

namespace zrt::statuswindow::sounds {

namespace {

constexpr std::uint32_t kPortNotSupported = 100;
constexpr std::uint32_t kPrintServerError = 102;
constexpr std::uint32_t kPortUsedByOtherDevice = 507;

}  // namespace

bool displayMaySound(std::uint32_t displayId, bool recordHeld, const SoundListener& who) noexcept {
    if (displayId != kPortNotSupported && who.attachmentKind == 0 && who.userMatch != 0 && who.computerMatch != 0)
        return false;
    if (recordHeld) return true;
    return displayId == kPortNotSupported || displayId == kPrintServerError || displayId == kPortUsedByOtherDevice;
}

}  // namespace zrt::statuswindow::sounds
