// How a row of the printer list is drawn: the highlight of the first column, the overlay and
// focus rectangle, and texts shortened with "..." to fit their column. Pixel work is the
// dialog's; these are the decisions.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

inline constexpr int kHighlightStart = 20;   // from the row's left edge
inline constexpr int kHighlightSlack = 26;   // text width plus this
inline constexpr int kTextInset = 2;         // text inside its label rectangle
inline constexpr int kTextMargin = 4;        // kept free beside a text
inline constexpr const char* kEllipsis = "...";

enum class TextAlign { Left, Right, Centre };

struct FirstColumnPlan {
    bool highlighted = false;  // highlight colours, else the window colour
    int highlightLeft = 0;     // offsets from the row's left edge
    int highlightRight = 0;
    bool overlay = false;      // the shared overlay over the icon
    bool focusRect = false;
};

// `selected` covers the selected and drop-highlighted states.
FirstColumnPlan planFirstColumn(bool selected, int textWidth, int columnWidth,
                                std::uint32_t flags, bool rowFocused, bool listHasFocus);

struct FittedText {
    std::string text;
    TextAlign align = TextAlign::Left;
    bool shortened = false;
};

using MeasureText = std::function<int(std::string_view)>;

// The text as it fits `space` pixels less the margin: whole and aligned as its column, or
// shortened to end in "..." (never splitting a double-byte character) and left-aligned.
FittedText fitText(const std::string& text, int space, TextAlign columnAlign,
                   const MeasureText& measure, TextServices& codePage);

}  // namespace zrt::un
