#include "statuswindow/contexthelp/menu_help.h"

namespace zrt::statuswindow::contexthelp {

MenuSelectStep menuSelectStep(std::uint32_t flags, bool menuIsNull) noexcept {
    return (flags == kMenuClosedFlags && menuIsNull) ? MenuSelectStep::RestorePortText : MenuSelectStep::AskLibrary;
}

std::optional<Text> statusBarText(const std::optional<Text>& loadedString) {
    if (!loadedString || loadedString->empty()) return std::nullopt;
    return loadedString;
}

}  // namespace zrt::statuswindow::contexthelp
