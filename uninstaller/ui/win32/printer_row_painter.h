// The printer list's rows, drawn by the dialog itself through the list's custom-draw
// notification: the first column's highlight, icon, shared overlay, text and focus rectangle,
// and the two other columns, each text shortened with "..." when it does not fit.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "uninstaller/frame/system/text_services.h"

namespace zrt::un::win32 {

class PrinterRowPainter {
public:
    PrinterRowPainter(HWND list, TextServices& codePage) : list_(list), codePage_(codePage) {}
    void setImages(HIMAGELIST images) { images_ = images; }
    // The answer to the list's NM_CUSTOMDRAW.
    LRESULT customDraw(NMLVCUSTOMDRAW& draw);

private:
    void drawRow(HDC dc, int index);
    void drawFirstColumn(HDC dc, int index, const RECT& row);
    void drawSubItem(HDC dc, int index, int column);

    HWND list_;
    TextServices& codePage_;
    HIMAGELIST images_ = nullptr;
};

}  // namespace zrt::un::win32
