#include "tools/presentation_demo/contact_sheet.h"

#include <cstdio>
#include <vector>

#include "presentation/resource_ids.h"

namespace {

constexpr int kCell = 140;
constexpr int kColumns = 6;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

struct Item {
    int id;
    bool icon;
};

std::vector<Item> artwork() {
    std::vector<Item> items;
    for (int id = IDB_OUTPUT_TRAY; id <= IDB_TOOLBAR_INFO; ++id) items.push_back({id, false});
    for (int id = IDB_PRINTER_READY; id <= IDB_DRUM_INSERT; ++id) items.push_back({id, false});
    for (int id = IDI_PRINTER; id <= IDI_PRINTER_SERVICE_ERROR; ++id) items.push_back({id, true});
    return items;
}

// Toolbar strips are small: draw them enlarged so the images can be judged.
int scaleFor(int id) { return id == IDB_TOOLBAR_JOB || id == IDB_TOOLBAR_INFO ? 2 : 1; }

void drawBitmap(HDC sheet, HMODULE library, int id, int x, int y) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(library, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) return;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HDC source = CreateCompatibleDC(sheet);
    HGDIOBJ old = SelectObject(source, bitmap);
    const int scale = scaleFor(id);
    // The magenta background is transparent, as the status window draws it.
    TransparentBlt(sheet, x, y, info.bmWidth * scale, info.bmHeight * scale, source, 0, 0, info.bmWidth,
                   info.bmHeight, kMagenta);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}

void drawIcon(HDC sheet, HMODULE library, int id, int x, int y) {
    HICON icon = static_cast<HICON>(LoadImageW(library, MAKEINTRESOURCEW(id), IMAGE_ICON, 32, 32, 0));
    if (icon == nullptr) return;
    DrawIconEx(sheet, x, y, icon, 64, 64, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}

bool saveBitmap(const BITMAPINFOHEADER& header, const void* bits, const wchar_t* path) {
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr) return false;
    const DWORD imageBytes = static_cast<DWORD>(header.biWidth * 4 * -header.biHeight);
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fileHeader.bfSize = fileHeader.bfOffBits + imageBytes;
    bool ok = fwrite(&fileHeader, sizeof fileHeader, 1, file) == 1 && fwrite(&header, sizeof header, 1, file) == 1 &&
              fwrite(bits, imageBytes, 1, file) == 1;
    ok = (fclose(file) == 0) && ok;
    return ok;
}

}  // namespace

bool writeContactSheet(HMODULE library, const wchar_t* path) {
    const std::vector<Item> items = artwork();
    const int rows = static_cast<int>((items.size() + kColumns - 1) / kColumns);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = kColumns * kCell;
    header.biHeight = -rows * (kCell + 20);  // top-down
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC sheet = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (canvas == nullptr || sheet == nullptr) return false;
    HGDIOBJ oldCanvas = SelectObject(sheet, canvas);
    RECT all{0, 0, header.biWidth, -header.biHeight};
    HBRUSH face = CreateSolidBrush(RGB(212, 208, 200));
    FillRect(sheet, &all, face);
    DeleteObject(face);
    SetBkMode(sheet, TRANSPARENT);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int x = static_cast<int>(i % kColumns) * kCell + 6;
        const int y = static_cast<int>(i / kColumns) * (kCell + 20) + 6;
        if (items[i].icon) {
            drawIcon(sheet, library, items[i].id, x + 30, y + 30);
        } else {
            drawBitmap(sheet, library, items[i].id, x, y);
        }
        wchar_t label[32];
        swprintf(label, 32, L"%ls %d", items[i].icon ? L"icon" : L"bitmap", items[i].id);
        TextOutW(sheet, x, y + kCell - 8, label, static_cast<int>(wcslen(label)));
    }
    GdiFlush();
    const bool ok = saveBitmap(header, bits, path);
    SelectObject(sheet, oldCanvas);
    DeleteObject(canvas);
    DeleteDC(sheet);
    return ok;
}
