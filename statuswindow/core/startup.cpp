#include "statuswindow/core/startup.h"

#include "statuswindow/core/command_line.h"

namespace zrt::statuswindow {

ZOrder initialZOrder(const StartSettings& s) noexcept {
    if (s.alwaysOnTop) return ZOrder::Topmost;
    return s.noActivate ? ZOrder::Bottom : ZOrder::NotTopmost;
}

InitialShow initialShow(const StartSettings& s) noexcept {
    if (isUserLaunch(s.launchMode)) return InitialShow::ShowAndForeground;
    if (s.showing) return InitialShow::Hide;
    return s.noActivate ? InitialShow::ShowNoActivate : InitialShow::ShowAndForeground;
}

bool startsUserTouched(std::uint32_t launchMode) noexcept { return isUserLaunch(launchMode); }

bool takesFocusAfterCreation(std::uint32_t showingValue, bool noActivate) noexcept {
    return showingValue != 1 && !noActivate;
}

}  // namespace zrt::statuswindow
