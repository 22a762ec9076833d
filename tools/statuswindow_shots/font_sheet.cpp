#include "tools/statuswindow_shots/font_sheet.h"

#include <windows.h>

#include <cstdio>
#include <iterator>

#include "tools/capture/window_capture.h"

namespace zrt::tools::shots {

namespace {

constexpr wchar_t kSample[] = L"印刷中です ジョブ(&J) ｶﾀｶﾅ ABC 123";
constexpr int kLineHeight = 22;
constexpr int kWidth = 520;

const wchar_t* const kFaces[] = {
    L"MS Shell Dlg", L"MS Shell Dlg 2", L"MS UI Gothic", L"Tahoma", L"MS Sans Serif",
    L"ＭＳ Ｐゴシック", L"ＭＳ ゴシック", L"MS PGothic", L"MS Gothic",
};

class Font {
public:
    explicit Font(const wchar_t* face) {
        LOGFONTW lf{};
        lf.lfHeight = -12;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
        font_ = CreateFontIndirectW(&lf);
    }
    ~Font() {
        if (font_ != nullptr) DeleteObject(font_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
};

void drawLine(HDC dc, int y, HFONT font, const wchar_t* label) {
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t actual[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, actual);
    wchar_t line[256] = {};
    std::swprintf(line, std::size(line), L"%ls -> %ls: %ls", label, actual, kSample);
    TextOutW(dc, 4, y, line, lstrlenW(line));
    SelectObject(dc, old);
}

void paintSheet(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    int y = 4;
    drawLine(dc, y, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), L"DEFAULT_GUI_FONT");
    for (const wchar_t* face : kFaces) {
        y += kLineHeight;
        const Font font(face);
        drawLine(dc, y, font.get(), face);
    }
}

LRESULT CALLBACK sheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        paintSheet(window, BeginPaint(window, &ps));
        EndPaint(window, &ps);
        return 0;
    }
    // PrintWindow asks for the client area through WM_PRINTCLIENT.
    if (message == WM_PRINTCLIENT) {
        paintSheet(window, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool drawFontSheet(const std::wstring& folder) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = sheetProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZrtFontSheet";
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    RegisterClassW(&wc);
    const int height = kLineHeight * static_cast<int>(std::size(kFaces) + 1) + 8;
    const HWND window = CreateWindowExW(0, wc.lpszClassName, L"fonts", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, height,
                                        nullptr, nullptr, wc.hInstance, nullptr);
    if (window == nullptr) return false;
    UpdateWindow(window);
    const std::wstring path = folder + L"\\fonts.bmp";
    const bool ok = captureWindowToBmp(window, path, CaptureSource::PrintWindow);
    std::fwprintf(ok ? stdout : stderr, L"%ls %ls\n", ok ? L"picture" : L"no picture of", path.c_str());
    DestroyWindow(window);
    return ok;
}

}  // namespace zrt::tools::shots
