// Painting of the main window's panes: separators, picture with animation frame, headline,
// icon and page counter. Texts come composed from the core; these only draw.
#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>

#include "statuswindow/core/texts.h"
#include "statuswindow/shell/gui_defaults.h"
#include "statuswindow/shell/main_window.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

void line(HDC dc, int x1, int x2, int y, int colour) {
    const Pen pen(CreatePen(PS_SOLID, 1, GetSysColor(colour)));
    const Selection selected(dc, pen.get());
    MoveToEx(dc, x1, y, nullptr);
    LineTo(dc, x2, y);
}

void fillButtonFace(HDC dc, const RECT& r) { FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE)); }

}  // namespace

void MainWindow::paintSeparators() {
    PaintScope paint(hwnd_);
    for (const presentation::Separator16& s : {layout_.separator1, layout_.separator2}) {
        if (s.x1 == 0 && s.x2 == 0 && s.darkY == 0 && s.lightY == 0) continue;
        line(paint.dc(), s.x1, s.x2, s.darkY, COLOR_BTNSHADOW);
        line(paint.dc(), s.x1, s.x2, s.lightY, COLOR_WINDOW);
    }
}

void MainWindow::paintPicture(HWND pane) {
    PaintScope paint(pane);
    RECT client{};
    GetClientRect(pane, &client);
    const HMODULE library = libs_.presentation.module.get();
    const HRSRC picture = raw_.picture != nullptr ? raw_.picture->resource : nullptr;
    pictureCache_.paint(paint.dc(), SIZE{client.right, client.bottom}, library, picture, core_.state().display.background,
                        palette_.get());
    if (const std::optional<std::size_t> frame = core_.visibleFrame()) {
        if (raw_.frames != nullptr && static_cast<std::int32_t>(*frame) < raw_.frameCount) {
            const psm::AnimationFrame& f = raw_.frames[*frame];
            drawTransparent(paint.dc(), library, f.resource, f.x, f.y, palette_.get());
        }
    }
}

void MainWindow::paintHeadline(HWND pane) {
    {
        PaintScope paint(pane);
        const HDC dc = paint.dc();
        const DisplayText& headline = core_.state().display.headline;
        const Font font(CreateFontW(headline.fontHeight, 0, 0, 0, headline.fontWeight, FALSE, FALSE, FALSE,
                                    SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    VARIABLE_PITCH, nullptr));
        const Selection selectFont(dc, font.get());
        RECT r{};
        GetClientRect(pane, &r);
        fillButtonFace(dc, r);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const Text& text = core_.state().headlineText;
        if (headline.x != 0 || headline.y != 0) {
            r.left += headline.x;
            r.top += headline.y;
        } else {
            TEXTMETRICW tm{};
            GetTextMetricsW(dc, &tm);
            const bool twoLines = text.find(u"\r\n") != Text::npos;
            r.top += (r.bottom - r.top) / 2 - (twoLines ? tm.tmHeight : tm.tmHeight / 2);
        }
        const bool paperHeadline = headline.stringId == text_id::kHeadlinePaperDiffers ||
                                   headline.stringId == text_id::kHeadlinePaperOut;
        const std::wstring wide = toWide(text);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, paperHeadline ? DT_WORDBREAK : DT_NOPREFIX);
    }
    const HWND detail = child(Pane::Detail);
    SendMessageW(detail, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
    if (raw_.messages == nullptr) SetWindowTextW(detail, L"");
    const int show = showCommand(start_.noActivate);
    const HWND holder = child(Pane::InfoToolbarHolder);
    ShowWindow(holder, show);
    if (infoToolbar_ != nullptr) ShowWindow(infoToolbar_, show);
    InvalidateRect(holder, nullptr, TRUE);
}

void MainWindow::paintIcon(HWND pane) {
    {
        PaintScope paint(pane);
        RECT r{};
        GetClientRect(pane, &r);
        fillButtonFace(paint.dc(), r);
        if (raw_.paneIcon != nullptr) DrawIconEx(paint.dc(), 0, 0, raw_.paneIcon, 32, 32, 0, nullptr, DI_NORMAL);
    }
    if (raw_.windowIcon != nullptr) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(raw_.windowIcon));
}

void MainWindow::paintProgress(HWND pane) {
    PaintScope paint(pane);
    const HDC dc = paint.dc();
    RECT client{};
    GetClientRect(pane, &client);
    fillButtonFace(dc, client);
    const WindowState& s = core_.state();
    const ProgressView view = progressView(s.display.pagesText, s.totalPages, s.pagesPrinted,
                                           static_cast<std::uint32_t>(client.right), strings_);
    if (!view.showText) return;
    const std::wstring text = toWide(view.text);
    const Selection selectFont(dc, defaultGuiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    RECT r = client;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kCentred);
    if (!view.showBar) return;
    const RECT bar{0, 0, static_cast<LONG>(view.barWidth), client.bottom};
    const Brush blue(CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(dc, &bar, blue.get());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
    SetTextColor(dc, RGB(255, 255, 255));
    r = client;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kCentred);
    RestoreDC(dc, saved);
}

}  // namespace zrt::statuswindow::shell
