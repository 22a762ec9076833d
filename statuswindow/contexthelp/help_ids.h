// Help contexts of the status window's main window and dialogs, and the help commands of the
// help engine (the HELP_* values of WinHelpW), named here so that the core needs no Windows
// header.
#pragma once

#include <cstdint>

namespace zrt::statuswindow::contexthelp {

namespace help_command {
inline constexpr std::uint32_t kQuit = 0x0002;          // HELP_QUIT
inline constexpr std::uint32_t kContextPopup = 0x0008;  // HELP_CONTEXTPOPUP
inline constexpr std::uint32_t kContextMenu = 0x000A;   // HELP_CONTEXTMENU
inline constexpr std::uint32_t kFinder = 0x000B;        // HELP_FINDER
}  // namespace help_command

// Contexts of the main window's panes.
namespace context {
inline constexpr std::uint32_t kIconPane = 3040;
inline constexpr std::uint32_t kHeadline = 3050;
inline constexpr std::uint32_t kPicture = 3070;
inline constexpr std::uint32_t kInfoToolbarRight = 3075;
inline constexpr std::uint32_t kHelpArea = 3080;
inline constexpr std::uint32_t kJobListCaption = 3085;
inline constexpr std::uint32_t kProgress = 3110;
inline constexpr std::uint32_t kJobToolbar = 3120;
inline constexpr std::uint32_t kJobList = 3130;
inline constexpr std::uint32_t kStatusBar = 3140;
inline constexpr std::uint32_t kInfoToolbarLeft = 3145;
}  // namespace context

// Control ids of the main window that the help knows (see Pane of the core).
namespace control {
inline constexpr std::uint32_t kHelpArea = 501;
inline constexpr std::uint32_t kHeadline = 503;
inline constexpr std::uint32_t kPicture = 504;
inline constexpr std::uint32_t kStatusBar = 505;
inline constexpr std::uint32_t kJobListAlt1 = 507;
inline constexpr std::uint32_t kJobList = 508;
inline constexpr std::uint32_t kJobListAlt2 = 509;
inline constexpr std::uint32_t kJobToolbarHolder = 510;
inline constexpr std::uint32_t kInfoToolbarHolder = 511;
inline constexpr std::uint32_t kIconPane = 512;
inline constexpr std::uint32_t kProgress = 513;
inline constexpr std::uint32_t kJobListCaption = 514;
}  // namespace control

// Width of the info toolbar's right part (the Refresh button) in the hit test.
inline constexpr std::int32_t kInfoToolbarRightPartWidth = 24;

}  // namespace zrt::statuswindow::contexthelp
