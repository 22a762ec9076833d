// Which string the library names for a highlighted menu item or a toolbar button, and the
// file names it supplies. Pure decisions; the library exports wrap them.
#pragma once

#include <cstdint>
#include <string_view>

namespace zrt::presentation {

// A string id for which the library has no string: the status bar is then left as it is.
inline constexpr std::uint32_t kNoHelpString = 5701;

// Menu flag of WM_MENUSELECT that marks a popup.
inline constexpr std::uint32_t kMenuFlagPopup = 0x10;

// System-menu commands (SC_*), named here so that the core needs no Windows header.
namespace system_command {
inline constexpr std::uint32_t kSize = 0xF000;
inline constexpr std::uint32_t kMove = 0xF010;
inline constexpr std::uint32_t kMinimize = 0xF020;
inline constexpr std::uint32_t kMaximize = 0xF030;
inline constexpr std::uint32_t kClose = 0xF060;
inline constexpr std::uint32_t kRestore = 0xF120;
}  // namespace system_command

// Help string for a highlighted menu entry. For a popup, `item` is its position and
// `inWindowMenu` tells whether the popup belongs to the main window's menu (else it is the
// system menu or another menu).
std::uint32_t menuHelpStringId(std::uint32_t item, std::uint32_t flags, bool inWindowMenu);

// Tooltip string of a toolbar button.
std::uint32_t toolTipStringId(std::uint32_t command);

// File names the library supplies by kind.
enum class FileNameKind : int { CompanionLibrary = 0, HelpFile = 2 };
inline constexpr std::u16string_view kCompanionLibraryName = u"ZRT7QEMN.DLL";
inline constexpr std::u16string_view kHelpFileName = u"ZRT7Q.HLP";

// The name for a kind, or empty text for a kind the library does not know.
std::u16string_view fileNameFor(int kind);

}  // namespace zrt::presentation
