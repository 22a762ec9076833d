#include "statuswindow/contexthelp/context_help.h"

#include <array>

namespace zrt::statuswindow::contexthelp {

namespace {

using presentation::Rect16;
using presentation::WindowLayout;

// A rectangle in screen coordinates: left and top inside, right and bottom outside.
struct Box {
    std::int32_t left, top, right, bottom;
    bool holds(Point p) const noexcept { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

Box shifted(const Rect16& r, std::int32_t dx, std::int32_t dy) noexcept {
    return {r.x + dx, r.y + dy, r.x + dx + r.width, r.y + dy + r.height};
}

struct Region {
    Rect16 WindowLayout::*rect;
    std::uint32_t controlId;
    std::uint32_t contextId;
};

// Tested in this order before the info toolbar.
constexpr std::array<Region, 7> kRegionsBeforeInfoToolbar{{
    {&WindowLayout::iconPane, control::kIconPane, context::kIconPane},
    {&WindowLayout::headlinePane, control::kHeadline, context::kHeadline},
    {&WindowLayout::picturePane, control::kPicture, context::kPicture},
    {&WindowLayout::jobList, control::kJobList, context::kJobList},
    {&WindowLayout::progressPane, control::kProgress, context::kProgress},
    {&WindowLayout::jobToolbarHolder, control::kJobToolbarHolder, context::kJobToolbar},
    {&WindowLayout::helpArea, control::kHelpArea, context::kHelpArea},
}};

struct DialogRange {
    std::uint32_t first, last, contextId;
};

constexpr std::array<DialogRange, 17> kDialogContexts{{
    {1, 1, 3001},
    {2, 2, 3002},
    {3, 3, 3003},
    {1071, 1071, 3003},
    {1000, 1002, 3215},
    {1009, 1009, 3215},
    {1003, 1006, 3220},
    {1010, 1013, 3230},
    {1022, 1022, 3505},
    {1064, 1064, 3505},
    {1072, 1080, 3605},
    {1082, 1085, 3605},
    {1096, 1099, 3605},
    {1081, 1081, 3615},
    {1086, 1088, 3615},
    {1101, 1101, 3615},
    {1089, 1095, 3625},
}};

}  // namespace

std::uint32_t helpCommandOf(HelpCallKind kind) noexcept {
    switch (kind) {
        case HelpCallKind::Finder: return help_command::kFinder;
        case HelpCallKind::ContextPopup: return help_command::kContextPopup;
        case HelpCallKind::ContextMenu: return help_command::kContextMenu;
        case HelpCallKind::None:
        case HelpCallKind::Default: break;
    }
    return 0;
}

HelpCall mainWindowF1(std::optional<std::uint32_t> controlId) noexcept {
    if (controlId) {
        if (*controlId == control::kHelpArea) return {HelpCallKind::ContextPopup, context::kHelpArea, {}};
        if (*controlId == control::kJobListAlt1 || *controlId == control::kJobList ||
            *controlId == control::kJobListAlt2)
            return {HelpCallKind::ContextPopup, context::kJobList, {}};
    }
    return {HelpCallKind::Finder, 0, {}};
}

HelpPair mainWindowHitTest(const WindowLayout& layout, const RightClickPlace& place) noexcept {
    if (place.onStatusBar) return {control::kStatusBar, context::kStatusBar};
    const std::int32_t dx = place.windowTopLeft.x;
    const std::int32_t dy = place.windowTopLeft.y + place.menuHeight + place.captionHeight;
    for (const Region& r : kRegionsBeforeInfoToolbar)
        if (shifted(layout.*(r.rect), dx, dy).holds(place.screen)) return {r.controlId, r.contextId};

    Box left = shifted(layout.infoToolbarHolder, dx, dy);
    left.right -= kInfoToolbarRightPartWidth;
    if (left.holds(place.screen)) return {control::kInfoToolbarHolder, context::kInfoToolbarLeft};
    const Box right{left.right, left.top, left.right + kInfoToolbarRightPartWidth, left.bottom};
    if (right.holds(place.screen)) return {control::kInfoToolbarHolder, context::kInfoToolbarRight};

    if (shifted(layout.jobListCaption, dx, dy).holds(place.screen))
        return {control::kJobListCaption, context::kJobListCaption};
    return {};
}

HelpCall mainWindowRightClick(const WindowLayout& layout, const RightClickPlace& place) noexcept {
    if (place.onTitleBar && !place.onStatusBar) return {HelpCallKind::Default, 0, {}};
    return {HelpCallKind::ContextMenu, 0, mainWindowHitTest(layout, place)};
}

std::optional<std::uint32_t> dialogControlContext(std::uint32_t controlId) noexcept {
    if (controlId == 0) return std::nullopt;
    for (const DialogRange& r : kDialogContexts)
        if (controlId >= r.first && controlId <= r.last) return r.contextId;
    return std::nullopt;
}

HelpCall dialogF1(std::optional<std::uint32_t> controlId) noexcept {
    if (!controlId) return {HelpCallKind::Finder, 0, {}};
    const std::optional<std::uint32_t> ctx = dialogControlContext(*controlId);
    if (!ctx) return {};
    return {HelpCallKind::ContextPopup, *ctx, {}};
}

HelpCall dialogRightClick(std::optional<std::uint32_t> controlId) noexcept {
    if (!controlId) return {};
    const std::optional<std::uint32_t> ctx = dialogControlContext(*controlId);
    if (!ctx) return {};
    return {HelpCallKind::ContextMenu, 0, {*controlId, *ctx}};
}

bool isHelpButton(std::uint32_t controlId) noexcept {
    return controlId == kHelpButton || controlId == kHelpButtonAlt;
}

}  // namespace zrt::statuswindow::contexthelp
