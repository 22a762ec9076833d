#include "statuswindow/sounds/sound_rules.h"

#include "presentation/core/display_values.h"

namespace zrt::statuswindow::sounds {

namespace {

using presentation::DisplayId;
using presentation::toNumber;
constexpr std::uint32_t kPortNotSupported = toNumber(DisplayId::PortNotSupported);
constexpr std::uint32_t kPrintServerError = toNumber(DisplayId::PrintServerError);
constexpr std::uint32_t kPortUsedByOtherDevice = toNumber(DisplayId::PortUsedByOtherDevice);

}  // namespace

bool displayMaySound(std::uint32_t displayId, bool recordHeld, const SoundListener& who) noexcept {
    if (displayId != kPortNotSupported && who.attachmentKind == 0 && who.userMatch != 0 && who.computerMatch != 0)
        return false;
    if (recordHeld) return true;
    return displayId == kPortNotSupported || displayId == kPrintServerError || displayId == kPortUsedByOtherDevice;
}

}  // namespace zrt::statuswindow::sounds
