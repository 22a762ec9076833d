// The main window's geometry that the presentation library hands to the status window
// (PSM_GetPSWInfo). The record is plain integers, so this one type is both the portable
// value and the binary record that crosses the library boundary.
#pragma once

#include <cstdint>

namespace zrt::presentation {

// A rectangle in client pixels: x, y, width, height.
struct Rect16 {
    std::int16_t x, y, width, height;
};

// An etched line pair: x1, y of the dark line, x2, y of the light line.
struct Separator16 {
    std::int16_t x1, darkY, x2, lightY;
};

struct WindowLayout {
    std::uint16_t menuId;
    std::int32_t windowWidth;
    std::int32_t windowHeight;  // before the frame is added
    Rect16 helpArea;
    Rect16 jobList;
    Rect16 jobListCaption;
    Rect16 jobToolbarHolder;
    Rect16 infoToolbarHolder;
    Rect16 detailPane;
    Rect16 headlinePane;
    Rect16 iconPane;
    Rect16 picturePane;
    Rect16 progressPane;
    Separator16 separator1;
    Separator16 separator2;
    std::uint16_t columnWidths[2];
};

inline constexpr WindowLayout kWindowLayout{
    50,                  // menu 50 of the library
    439, 372,
    {0, 0, 0, 0},        // help area
    {9, 235, 415, 80},   // job list
    {9, 191, 250, 13},   // job list caption
    {354, 203, 73, 30},  // job toolbar holder
    {378, 16, 48, 24},   // info toolbar holder
    {144, 53, 280, 126}, // detail pane
    {60, 10, 315, 42},   // headline pane
    {9, 10, 35, 35},     // icon pane
    {9, 53, 127, 126},   // picture pane
    {9, 205, 337, 22},   // progress pane
    {1, 0, 439, 1},      // etched line under the menu
    {0, 0, 0, 0},        // second etched line: empty
    {90, 321},           // job list columns
};

}  // namespace zrt::presentation
