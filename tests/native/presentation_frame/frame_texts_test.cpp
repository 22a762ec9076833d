// Menu help, tooltip and file-name choices of the presentation library, and its layout values.
#include <gtest/gtest.h>

#include "presentation/window_frame/frame_texts.h"
#include "presentation/window_frame/window_layout.h"

namespace zrt::presentation {
namespace {

struct MenuHelpCase {
    const char* row;
    std::uint32_t item;
    std::uint32_t flags;
    bool inWindowMenu;
    std::uint32_t expected;
};

constexpr std::uint32_t kPopup = kMenuFlagPopup;

TEST(MenuHelp, StringIdForEveryEntry) {
    const MenuHelpCase cases[] = {
        {"job popup", 0, kPopup, true, 5000},
        {"option popup", 1, kPopup, true, 5005},
        {"help popup", 2, kPopup, true, 5009},
        {"unknown popup of the window menu", 3, kPopup, true, 5701},
        {"utility popup (position 5 of another menu)", 5, kPopup, false, 5024},
        {"system menu popup", 0, kPopup, false, 5012},
        {"popup position 5 of the window menu is not the utility popup", 5, kPopup, true, 5701},
        {"pause", 100, 0, true, 5001},
        {"resume", 101, 0, true, 5002},
        {"command 102 has no help", 102, 0, true, 5701},
        {"cancel", 103, 0, true, 5004},
        {"cleaning", 104, 0, true, 5008},
        {"consumables", 105, 0, true, 5021},
        {"refresh", 106, 0, true, 5020},
        {"preferences", 120, 0, true, 5006},
        {"help topics", 130, 0, true, 5010},
        {"about", 133, 0, true, 5011},
        {"calibration", 134, 0, true, 5022},
        {"paper size", 135, 0, true, 5023},
        {"SC_SIZE", 0xF000, 0, false, 5015},
        {"SC_MOVE", 0xF010, 0, false, 5014},
        {"SC_MINIMIZE", 0xF020, 0, false, 5016},
        {"SC_MAXIMIZE", 0xF030, 0, false, 5017},
        {"SC_CLOSE", 0xF060, 0, false, 5018},
        {"SC_RESTORE", 0xF120, 0, false, 5013},
        {"service menu item", 1558, 0, true, 5701},
        {"flags other than popup are ignored", 100, 0x80 | 0x1, true, 5001},
    };
    for (const MenuHelpCase& c : cases) {
        EXPECT_EQ(menuHelpStringId(c.item, c.flags, c.inWindowMenu), c.expected) << c.row;
    }
}

TEST(ToolTips, StringIdPerButton) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {100, 5100}, {101, 5101}, {103, 5103}, {105, 5105}, {106, 5104}, {102, 5701}, {0, 5701}};
    for (const auto& [command, expected] : cases) {
        EXPECT_EQ(toolTipStringId(command), expected) << "command " << command;
    }
}

TEST(FileNames, KnownKindsAndOthers) {
    EXPECT_EQ(fileNameFor(0), u"ZRT7QEMN.DLL");
    EXPECT_EQ(fileNameFor(2), u"ZRT7Q.HLP");
    for (int kind : {1, 3, -1, 1000}) {
        EXPECT_TRUE(fileNameFor(kind).empty()) << "kind " << kind;
    }
}

TEST(Layout, ValuesOfTheMainWindow) {
    const WindowLayout& l = kWindowLayout;
    EXPECT_EQ(l.menuId, 50);
    EXPECT_EQ(l.windowWidth, 439);
    EXPECT_EQ(l.windowHeight, 372);
    auto same = [](const Rect16& r, int x, int y, int w, int h) {
        return r.x == x && r.y == y && r.width == w && r.height == h;
    };
    EXPECT_TRUE(same(l.helpArea, 0, 0, 0, 0));
    EXPECT_TRUE(same(l.jobList, 9, 235, 415, 80));
    EXPECT_TRUE(same(l.jobListCaption, 9, 191, 250, 13));
    EXPECT_TRUE(same(l.jobToolbarHolder, 354, 203, 73, 30));
    EXPECT_TRUE(same(l.infoToolbarHolder, 378, 16, 48, 24));
    EXPECT_TRUE(same(l.detailPane, 144, 53, 280, 126));
    EXPECT_TRUE(same(l.headlinePane, 60, 10, 315, 42));
    EXPECT_TRUE(same(l.iconPane, 9, 10, 35, 35));
    EXPECT_TRUE(same(l.picturePane, 9, 53, 127, 126));
    EXPECT_TRUE(same(l.progressPane, 9, 205, 337, 22));
    EXPECT_EQ(l.separator1.x1, 1);
    EXPECT_EQ(l.separator1.darkY, 0);
    EXPECT_EQ(l.separator1.x2, 439);
    EXPECT_EQ(l.separator1.lightY, 1);
    EXPECT_EQ(l.separator2.x2, 0);
    EXPECT_EQ(l.columnWidths[0], 90);
    EXPECT_EQ(l.columnWidths[1], 321);
}

}  // namespace
}  // namespace zrt::presentation
