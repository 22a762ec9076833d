#include "uninstaller/ui/win32/printer_row_painter.h"

#include <algorithm>
#include <vector>

#include "uninstaller/ui/printer_list/printer_item.h"
#include "uninstaller/ui/printer_list/row_drawing.h"

namespace zrt::un::win32 {
namespace {

constexpr std::size_t kLongestText = 65536;

// The text of a cell, however long.
std::string itemText(HWND list, int index, int column) {
    std::vector<char> buffer(264);
    while (true) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<std::size_t>(SendMessageA(
            list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size() || buffer.size() >= kLongestText) {
            return std::string(buffer.data(), std::min(length, buffer.size() - 1));
        }
        buffer.resize(buffer.size() * 2);
    }
}

RECT itemRect(HWND list, int index, int part) {
    RECT rect{};
    rect.left = part;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT subItemRect(HWND list, int index, int column) {
    RECT rect{};
    rect.top = column;
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

TextAlign columnAlign(HWND list, int column) {
    LVCOLUMNA info{};
    info.mask = LVCF_FMT;
    SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    switch (info.fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return TextAlign::Right;
    case LVCFMT_CENTER: return TextAlign::Centre;
    default: return TextAlign::Left;
    }
}

UINT drawTextAlign(TextAlign align) {
    switch (align) {
    case TextAlign::Right: return DT_RIGHT;
    case TextAlign::Centre: return DT_CENTER;
    default: return DT_LEFT;
    }
}

// Draws `text` fitted into `cell` (2 pixels inside it), single line, vertically centred.
void drawCellText(HDC dc, const std::string& text, RECT cell, TextAlign align, COLORREF colour,
                  TextServices& codePage) {
    const MeasureText measure = [dc](std::string_view part) {
        SIZE size{};
        GetTextExtentPoint32A(dc, part.data(), static_cast<int>(part.size()), &size);
        return static_cast<int>(size.cx);
    };
    const FittedText fitted = fitText(text, cell.right - cell.left, align, measure, codePage);
    cell.left += kTextInset;
    cell.right -= kTextInset;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextA(dc, fitted.text.c_str(), static_cast<int>(fitted.text.size()), &cell,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | drawTextAlign(fitted.align));
}

}  // namespace

LRESULT PrinterRowPainter::customDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        drawRow(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
        return CDRF_SKIPDEFAULT;  // the list draws nothing itself
    default:
        return CDRF_DODEFAULT;
    }
}

void PrinterRowPainter::drawRow(HDC dc, int index) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    const RECT row = itemRect(list_, index, LVIR_BOUNDS);
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
    drawFirstColumn(dc, index, row);
    for (const int column : {1, 2}) {
        drawSubItem(dc, index, column);
    }
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}

void PrinterRowPainter::drawFirstColumn(HDC dc, int index, const RECT& row) {
    HWND list = list_;
    const auto state = static_cast<UINT>(SendMessageA(
        list, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
        LVIS_SELECTED | LVIS_DROPHILITED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK));
    const std::string text = itemText(list, index, 0);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int columnWidth = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
    LVITEMA entry{};
    entry.mask = LVIF_IMAGE | LVIF_PARAM;
    entry.iItem = index;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    const auto* printer = reinterpret_cast<const PrinterItem*>(entry.lParam);
    const FirstColumnPlan plan = planFirstColumn(
        (state & (LVIS_SELECTED | LVIS_DROPHILITED)) != 0, static_cast<int>(extent.cx),
        columnWidth, printer != nullptr ? printer->flags : 0, (state & LVIS_FOCUSED) != 0,
        GetFocus() == list);
    const RECT highlight{row.left + plan.highlightLeft, row.top, row.left + plan.highlightRight,
                         row.bottom};
    FillRect(dc, &highlight, GetSysColorBrush(plan.highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const RECT icon = itemRect(list, index, LVIR_ICON);
    ImageList_Draw(images_, entry.iImage, dc, icon.left, icon.top, ILD_TRANSPARENT);
    if (plan.overlay) {
        ImageList_Draw(images_, kImageSharedOverlay, dc, icon.left, icon.top, ILD_TRANSPARENT);
    }

    const RECT label = itemRect(list, index, LVIR_LABEL);
    drawCellText(dc, text, label, TextAlign::Left,
                 GetSysColor(plan.highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
                 codePage_);
    if (plan.focusRect) {
        DrawFocusRect(dc, &highlight);
    }
}

void PrinterRowPainter::drawSubItem(HDC dc, int index, int column) {
    HWND list = list_;
    const RECT cell = subItemRect(list, index, column);
    FillRect(dc, &cell, GetSysColorBrush(COLOR_WINDOW));
    drawCellText(dc, itemText(list, index, column), cell, columnAlign(list, column),
                 GetSysColor(COLOR_WINDOWTEXT), codePage_);
}

}  // namespace zrt::un::win32
