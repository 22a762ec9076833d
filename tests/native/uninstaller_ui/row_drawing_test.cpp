// Row drawing decisions: the first column's highlight, overlay and focus rectangle, the
// shortening of texts with "...", and the column widths.
#include <gtest/gtest.h>

#include "uninstaller/testing/fake_machine.h"
#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/printer_list/printer_item.h"
#include "uninstaller/ui/printer_list/row_drawing.h"

namespace zrt::un::testing {
namespace {

// 6 pixels per byte: a double-byte character is 12 pixels wide.
int measure(std::string_view text) { return static_cast<int>(text.size()) * 6; }

TEST(RowDrawingTest, FirstColumnPlan) {
    struct Case {
        const char* name;
        bool selected;
        int textWidth, columnWidth;
        std::uint32_t flags;
        bool rowFocused, listFocused;
        FirstColumnPlan expected;
    } cases[] = {
        {"selected, short text", true, 50, 200, 0, false, false, {true, 20, 76, false, false}},
        {"selected, long text", true, 300, 200, 0, false, false, {true, 20, 200, false, false}},
        {"unselected", false, 50, 200, 0, false, false, {false, 20, 76, false, false}},
        {"shared", false, 10, 200, kFlagSharedLocal, false, false, {false, 20, 36, true, false}},
        {"network flag only", false, 10, 200, kFlagNetwork, false, false, {false, 20, 36, false, false}},
        {"focused row, list focused", true, 10, 200, 0, true, true, {true, 20, 36, false, true}},
        {"focused row, list unfocused", true, 10, 200, 0, true, false, {true, 20, 36, false, false}},
    };
    for (const auto& c : cases) {
        const FirstColumnPlan got =
            planFirstColumn(c.selected, c.textWidth, c.columnWidth, c.flags, c.rowFocused, c.listFocused);
        EXPECT_EQ(got.highlighted, c.expected.highlighted) << "row " << c.name;
        EXPECT_EQ(got.highlightLeft, c.expected.highlightLeft) << "row " << c.name;
        EXPECT_EQ(got.highlightRight, c.expected.highlightRight) << "row " << c.name;
        EXPECT_EQ(got.overlay, c.expected.overlay) << "row " << c.name;
        EXPECT_EQ(got.focusRect, c.expected.focusRect) << "row " << c.name;
    }
}

TEST(RowDrawingTest, TextsFitOrEndInEllipsis) {
    FakeMachine fake;  // code page 932
    // "プリンタ" in code page 932: four double-byte characters.
    const std::string printer = "\x83\x76\x83\x8A\x83\x93\x83\x5E";
    struct Case {
        const char* name;
        std::string text;
        int space;
        TextAlign column;
        std::string expected;
        TextAlign align;
    } cases[] = {
        {"fits, right column", "ABCDEFGH", 52, TextAlign::Right, "ABCDEFGH", TextAlign::Right},
        {"one pixel short", "ABCDEFGH", 51, TextAlign::Right, "ABCD...", TextAlign::Left},
        {"centre fits", "AB", 30, TextAlign::Centre, "AB", TextAlign::Centre},
        {"double-byte kept whole", printer, 40, TextAlign::Left, printer.substr(0, 2) + "...",
         TextAlign::Left},
        {"double-byte two kept", printer, 50, TextAlign::Left, printer.substr(0, 4) + "...",
         TextAlign::Left},
        {"nothing fits", "ABCDEFGH", 10, TextAlign::Left, "...", TextAlign::Left},
        {"empty", "", 0, TextAlign::Right, "...", TextAlign::Left},
    };
    for (const auto& c : cases) {
        const FittedText got = fitText(c.text, c.space, c.column, measure, fake.machine().text);
        EXPECT_EQ(got.text, c.expected) << "row " << c.name;
        EXPECT_EQ(got.align, c.align) << "row " << c.name;
        EXPECT_EQ(got.shortened, got.text != c.text) << "row " << c.name;
        if (got.shortened && got.text != "...") {
            EXPECT_LE(measure(got.text), c.space - kTextMargin) << "row " << c.name;
        }
    }
}

TEST(RowDrawingTest, ColumnWidthsAreTwentiethsOfTheList) {
    EXPECT_EQ(columnWidths(400), (std::array<int, 3>{180, 160, 60}));
    EXPECT_EQ(columnWidths(419), (std::array<int, 3>{180, 160, 60}));
    EXPECT_EQ(columnWidths(19), (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
}  // namespace zrt::un::testing
