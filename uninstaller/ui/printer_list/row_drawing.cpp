#include "uninstaller/ui/printer_list/row_drawing.h"

#include <algorithm>
#include <vector>

#include "uninstaller/ui/printer_list/printer_item.h"

namespace zrt::un {

FirstColumnPlan planFirstColumn(bool selected, int textWidth, int columnWidth,
                                std::uint32_t flags, bool rowFocused, bool listHasFocus) {
    FirstColumnPlan plan;
    plan.highlighted = selected;
    plan.highlightLeft = kHighlightStart;
    plan.highlightRight = std::min(textWidth + kHighlightSlack, columnWidth);
    plan.overlay = (flags & kFlagSharedLocal) != 0;
    plan.focusRect = rowFocused && listHasFocus;
    return plan;
}

FittedText fitText(const std::string& text, int space, TextAlign columnAlign,
                   const MeasureText& measure, TextServices& codePage) {
    const int limit = space - kTextMargin;
    if (measure(text) <= limit) {
        return {text, columnAlign, false};
    }
    // Character boundaries, so that a double-byte character is kept or dropped whole.
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (codePage.isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            ++i;
        }
        ends.push_back(i + 1);
    }
    std::size_t keep = 0;
    for (const std::size_t end : ends) {
        if (measure(text.substr(0, end) + kEllipsis) > limit) {
            break;
        }
        keep = end;
    }
    return {text.substr(0, keep) + kEllipsis, TextAlign::Left, true};
}

}  // namespace zrt::un
