#include <gtest/gtest.h>

#include "statuswindow/contexthelp/context_help.h"
#include "statuswindow/contexthelp/help_file.h"
#include "statuswindow/contexthelp/menu_help.h"

namespace zrt::statuswindow::contexthelp {
namespace {

using presentation::kWindowLayout;

// A window at (200, 100) with a 19-pixel menu and an 18-pixel caption: client point (x, y) of
// the layout lies at screen (200 + x, 137 + y).
RightClickPlace at(std::int32_t clientX, std::int32_t clientY) {
    RightClickPlace p;
    p.windowTopLeft = {200, 100};
    p.menuHeight = 19;
    p.captionHeight = 18;
    p.screen = {200 + clientX, 137 + clientY};
    return p;
}

TEST(ContextHelpHitTest, LayoutRectanglesInOrder) {
    struct Row {
        const char* row;
        std::int32_t x, y;
        HelpPair expected;
    };
    const Row rows[] = {
        {"icon pane top-left", 9, 10, {512, 3040}},
        {"icon pane last pixel", 43, 44, {512, 3040}},
        {"just right of the icon pane", 44, 20, {0, 0}},
        {"headline", 100, 30, {503, 3050}},
        {"picture", 50, 100, {504, 3070}},
        {"job list", 200, 300, {508, 3130}},
        {"progress pane", 100, 210, {513, 3110}},
        {"job toolbar holder", 360, 210, {510, 3120}},
        {"info toolbar, left part", 378, 20, {511, 3145}},
        {"info toolbar, last pixel of the left part", 401, 39, {511, 3145}},
        {"info toolbar, right part", 402, 20, {511, 3075}},
        {"info toolbar, right edge", 425, 20, {511, 3075}},
        {"beyond the info toolbar", 426, 20, {0, 0}},
        {"job list caption", 100, 195, {514, 3085}},
        {"detail pane has no help", 200, 100, {0, 0}},
        {"below the job list", 100, 320, {0, 0}},
    };
    for (const Row& r : rows) {
        const HelpPair got = mainWindowHitTest(kWindowLayout, at(r.x, r.y));
        EXPECT_TRUE(got == r.expected) << r.row << ": expected {" << r.expected.controlId << ", "
                                       << r.expected.contextId << "}, got {" << got.controlId << ", "
                                       << got.contextId << "}";
    }
}

TEST(ContextHelpHitTest, StatusBarTitleBarAndHelpArea) {
    RightClickPlace bar = at(100, 30);
    bar.onStatusBar = true;
    EXPECT_TRUE(mainWindowHitTest(kWindowLayout, bar) == (HelpPair{505, 3140}));
    RightClickPlace title = at(100, -20);
    title.onTitleBar = true;
    EXPECT_EQ(mainWindowRightClick(kWindowLayout, title).kind, HelpCallKind::Default);
    const HelpCall call = mainWindowRightClick(kWindowLayout, at(100, 30));
    EXPECT_EQ(call.kind, HelpCallKind::ContextMenu);
    EXPECT_TRUE(call.pair == (HelpPair{503, 3050}));
    EXPECT_EQ(helpCommandOf(call.kind), help_command::kContextMenu);

    presentation::WindowLayout withArea = kWindowLayout;
    withArea.helpArea = {200, 250, 20, 20};  // inside the job list: the job list comes first
    EXPECT_TRUE(mainWindowHitTest(withArea, at(205, 255)) == (HelpPair{508, 3130}));
    withArea.helpArea = {144, 53, 20, 20};  // over the detail pane
    EXPECT_TRUE(mainWindowHitTest(withArea, at(150, 60)) == (HelpPair{501, 3080}));
}

TEST(ContextHelpF1, MainWindowAndDialogs) {
    struct Row {
        const char* row;
        bool dialog;
        std::optional<std::uint32_t> control;
        HelpCallKind kind;
        std::uint32_t context;
    };
    const Row rows[] = {
        {"main: help area", false, 501u, HelpCallKind::ContextPopup, 3080},
        {"main: 507", false, 507u, HelpCallKind::ContextPopup, 3130},
        {"main: job list", false, 508u, HelpCallKind::ContextPopup, 3130},
        {"main: 509", false, 509u, HelpCallKind::ContextPopup, 3130},
        {"main: headline", false, 503u, HelpCallKind::Finder, 0},
        {"main: no help information", false, std::nullopt, HelpCallKind::Finder, 0},
        {"dialog: OK", true, 1u, HelpCallKind::ContextPopup, 3001},
        {"dialog: Cancel", true, 2u, HelpCallKind::ContextPopup, 3002},
        {"dialog: help button", true, 1071u, HelpCallKind::ContextPopup, 3003},
        {"dialog: showing radio", true, 1002u, HelpCallKind::ContextPopup, 3215},
        {"dialog: always on top", true, 1009u, HelpCallKind::ContextPopup, 3215},
        {"dialog: sound label", true, 1003u, HelpCallKind::ContextPopup, 3220},
        {"dialog: monitoring radio", true, 1013u, HelpCallKind::ContextPopup, 3230},
        {"dialog: 1064", true, 1064u, HelpCallKind::ContextPopup, 3505},
        {"dialog: 1085", true, 1085u, HelpCallKind::ContextPopup, 3605},
        {"dialog: 1081", true, 1081u, HelpCallKind::ContextPopup, 3615},
        {"dialog: 1101", true, 1101u, HelpCallKind::ContextPopup, 3615},
        {"dialog: 1095", true, 1095u, HelpCallKind::ContextPopup, 3625},
        {"dialog: 1100 has no help", true, 1100u, HelpCallKind::None, 0},
        {"dialog: 1007 has no help", true, 1007u, HelpCallKind::None, 0},
        {"dialog: no control", true, std::nullopt, HelpCallKind::Finder, 0},
    };
    for (const Row& r : rows) {
        const HelpCall call = r.dialog ? dialogF1(r.control) : mainWindowF1(r.control);
        EXPECT_EQ(call.kind, r.kind) << r.row;
        EXPECT_EQ(call.contextId, r.context) << r.row;
    }
    EXPECT_TRUE(dialogRightClick(1005u) == (HelpCall{HelpCallKind::ContextMenu, 0, {1005, 3220}}));
    EXPECT_EQ(dialogRightClick(1100u).kind, HelpCallKind::None);
    EXPECT_EQ(dialogRightClick(std::nullopt).kind, HelpCallKind::None);
    EXPECT_TRUE(isHelpButton(3) && isHelpButton(1071) && !isHelpButton(1));
}

TEST(HelpFile, PathUnderTheDriverDirectory) {
    EXPECT_EQ(helpFilePath(u"C:\\windows\\system32\\spool\\drivers\\w32x86", u"ZRT7Q.HLP").value_or(u""),
              u"C:\\windows\\system32\\spool\\drivers\\w32x86\\3\\ZRT7Q.HLP");
    EXPECT_FALSE(helpFilePath(u"", u"ZRT7Q.HLP"));
    EXPECT_FALSE(helpFilePath(u"C:\\d", u""));
}

TEST(MenuHelp, ClosingRestoresThePortTextAndMissingStringsLeaveTheBar) {
    EXPECT_EQ(menuSelectStep(0xFFFF, true), MenuSelectStep::RestorePortText);
    EXPECT_EQ(menuSelectStep(0xFFFF, false), MenuSelectStep::AskLibrary);
    EXPECT_EQ(menuSelectStep(0x10, true), MenuSelectStep::AskLibrary);
    EXPECT_EQ(statusBarText(Text(u"印刷を一時停止します。")).value_or(u""), u"印刷を一時停止します。");
    EXPECT_FALSE(statusBarText(std::nullopt)) << "service items: string 5701 does not exist";
    EXPECT_FALSE(statusBarText(Text()));
}

}  // namespace
}  // namespace zrt::statuswindow::contexthelp
