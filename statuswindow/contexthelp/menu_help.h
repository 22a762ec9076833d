// The status bar while a menu is open: the one-line help of the highlighted item (its string
// id comes from the presentation library) in part 0, and the port text again when the menu
// closes. An item without a string leaves the bar as it is.
#pragma once

#include <cstdint>
#include <optional>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::contexthelp {

// WM_MENUSELECT flags and menu of a closing menu.
inline constexpr std::uint32_t kMenuClosedFlags = 0xFFFF;

enum class MenuSelectStep {
    RestorePortText,  // the menu closed: part 0 shows the port text again
    AskLibrary,       // PSM_GetMenuHelpText(main window, item, flags, menu), then statusBarText
};

// Every WM_MENUSELECT also counts as user interaction (user-touched flag, timer 8 stopped).
MenuSelectStep menuSelectStep(std::uint32_t flags, bool menuIsNull) noexcept;

// The text for part 0 from the string the library named: the string when it loaded (non-empty),
// else none (the bar stays as it is).
std::optional<Text> statusBarText(const std::optional<Text>& loadedString);

}  // namespace zrt::statuswindow::contexthelp
