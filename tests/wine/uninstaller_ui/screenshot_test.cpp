// The printer list on a display: a row selected, a name too long for its column, the default
// printer and a shared printer. Checks the drawing rules on the captured pixels and leaves the
// picture as a BMP (in ZRT_UI_SCREENSHOT when set, else in the temporary folder) to be looked at.
#include "tests/wine/uninstaller_ui/ui_wine_fixture.h"

#include <commctrl.h>

#include <cstdlib>
#include <fstream>

#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/printer_list/row_drawing.h"

namespace zrt::un::wine {
namespace {

struct Capture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgr;  // bottom-up rows, 4-byte aligned
    int stride() const { return (width * 3 + 3) & ~3; }
    COLORREF at(int x, int y) const {
        const std::size_t i = static_cast<std::size_t>((height - 1 - y) * stride() + x * 3);
        return RGB(bgr[i + 2], bgr[i + 1], bgr[i]);
    }
};

// The window's pixels as the screen shows them.
Capture capture(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    Capture out;
    out.width = rect.right - rect.left;
    out.height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = out.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, out.width, out.height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    out.bgr.assign(bytes, bytes + static_cast<std::size_t>(out.stride() * out.height));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out;
}

void writeBmp(const Capture& picture, const std::string& path) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + picture.bgr.size());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(picture.bgr.data()),
              static_cast<std::streamsize>(picture.bgr.size()));
}

void pumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}

int findRow(HWND list, const char* display) {
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = display;
    return static_cast<int>(SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(&find)));
}

RECT cell(HWND list, HWND dialog, int row, int column) {
    RECT rect{};
    rect.top = column;
    rect.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    if (column == 0) {
        rect.right = rect.left + static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
    }
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    RECT window{};
    GetWindowRect(dialog, &window);
    OffsetRect(&rect, -window.left, -window.top);
    return rect;
}

int countColour(const Capture& picture, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (x >= 0 && y >= 0 && x < picture.width && y < picture.height &&
                picture.at(x, y) == colour) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(UiWineTest, PrinterListAsTheUserSeesIt) {
    auto dialog = openPrinterList();
    const HWND hwnd = dialog->hwnd();
    const HWND list = dialog->list();
    SetWindowPos(hwnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    const int office = findRow(list, kOffice);
    ASSERT_GE(office, 0);
    LVITEMA select{};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(office), reinterpret_cast<LPARAM>(&select));
    SetForegroundWindow(hwnd);
    SetFocus(list);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpFor(1500);

    const Capture picture = capture(hwnd);
    const char* target = std::getenv("ZRT_UI_SCREENSHOT");
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    writeBmp(picture, target != nullptr ? target : std::string(temp) + "printer_list.bmp");

    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const RECT first = cell(list, hwnd, office, 0);
    EXPECT_GT(countColour(picture, first, highlight), 20) << "the selected row's name is highlighted";
    for (const int column : {1, 2}) {
        EXPECT_EQ(countColour(picture, cell(list, hwnd, office, column), highlight), 0)
            << "column " << column << " is never highlighted";
    }
    const int other = findRow(list, kShared);
    EXPECT_EQ(countColour(picture, cell(list, hwnd, other, 0), highlight), 0)
        << "an unselected row";

    // The long name does not fit its column, so the row shows it shortened.
    HDC dc = GetDC(list);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, kLongName, lstrlenA(kLongName), &size);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    EXPECT_GT(size.cx, SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
    dialog->sendCommand(kCommandClose);
}

}  // namespace
}  // namespace zrt::un::wine
