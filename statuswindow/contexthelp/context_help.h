// What F1 and a right click ask of the help engine, in the main window and in the dialogs.
// The right click in the main window is decided by a hit test of the pointer against the
// layout rectangles.
#pragma once

#include <cstdint>
#include <optional>

#include "presentation/window_frame/window_layout.h"
#include "statuswindow/contexthelp/help_ids.h"

namespace zrt::statuswindow::contexthelp {

// A {control id, context id} pair of the list handed to the context-menu help.
struct HelpPair {
    std::uint32_t controlId = 0;
    std::uint32_t contextId = 0;
    friend bool operator==(const HelpPair& a, const HelpPair& b) noexcept {
        return a.controlId == b.controlId && a.contextId == b.contextId;
    }
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// What the window tells the help engine.
enum class HelpCallKind {
    None,          // no call
    Finder,        // HELP_FINDER
    ContextPopup,  // HELP_CONTEXTPOPUP with contextId, for the control's window
    ContextMenu,   // HELP_CONTEXTMENU with the pair list {pair, {0, 0}}
    Default,       // not help: the default window procedure handles the message
};

struct HelpCall {
    HelpCallKind kind = HelpCallKind::None;
    std::uint32_t contextId = 0;  // ContextPopup
    HelpPair pair;                // ContextMenu (may be {0, 0})

    friend bool operator==(const HelpCall& a, const HelpCall& b) noexcept {
        return a.kind == b.kind && a.contextId == b.contextId && a.pair == b.pair;
    }
};

// The help command (help_command::) of a call kind; 0 for None and Default.
std::uint32_t helpCommandOf(HelpCallKind kind) noexcept;

// F1 in the main window. controlId: the control of the help information, or none when the
// message carries none.
HelpCall mainWindowF1(std::optional<std::uint32_t> controlId) noexcept;

// Where a right click in the main window landed.
struct RightClickPlace {
    bool onTitleBar = false;   // on or above the title bar (not in the client area or menu)
    bool onStatusBar = false;  // on the status bar window
    Point screen;              // the pointer in screen coordinates
    Point windowTopLeft;       // the main window's top-left corner in screen coordinates
    std::int32_t menuHeight = 0;     // SM_CYMENU
    std::int32_t captionHeight = 0;  // SM_CYCAPTION
};

// The pair a right click in the main window gives: the status bar; else the first layout
// rectangle (shifted by the window's corner plus menu and caption height) that holds the
// point; else {0, 0}.
HelpPair mainWindowHitTest(const presentation::WindowLayout& layout, const RightClickPlace& place) noexcept;

// A right click in the main window: default handling on the title bar, else the context menu
// help with the hit test's pair.
HelpCall mainWindowRightClick(const presentation::WindowLayout& layout, const RightClickPlace& place) noexcept;

// Context of a dialog control, or none.
std::optional<std::uint32_t> dialogControlContext(std::uint32_t controlId) noexcept;

// F1 in a dialog: popup for a control with a context, finder without a control, nothing for a
// control without help.
HelpCall dialogF1(std::optional<std::uint32_t> controlId) noexcept;

// A right click in a dialog on a control (or none): the context menu help for a control with a
// context, else nothing.
HelpCall dialogRightClick(std::optional<std::uint32_t> controlId) noexcept;

// The "ヘルプ" buttons of the dialogs (ids 3 and 1071) open the finder.
inline constexpr std::uint32_t kHelpButton = 3;
inline constexpr std::uint32_t kHelpButtonAlt = 1071;
bool isHelpButton(std::uint32_t controlId) noexcept;

}  // namespace zrt::statuswindow::contexthelp
