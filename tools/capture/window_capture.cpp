#include "tools/capture/window_capture.h"

namespace zrt::tools {

namespace {

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A 24-bit bottom-up DIB section selected into a memory context.
class MemoryCanvas {
public:
    MemoryCanvas(HDC reference, int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(reference);
        bitmap_ = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ != nullptr && bitmap_ != nullptr) previous_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryCanvas() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    bool ok() const { return previous_ != nullptr && bits_ != nullptr; }
    HDC dc() const { return dc_; }
    const std::uint8_t* bits() const { return static_cast<const std::uint8_t*>(bits_); }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

}  // namespace

std::optional<Dib24> captureWindow(HWND window, CaptureSource source) {
    RECT r{};
    if (!IsWindow(window) || !GetWindowRect(window, &r)) return std::nullopt;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return std::nullopt;
    const ScreenDc screen;
    MemoryCanvas canvas(screen.get(), width, height);
    if (!canvas.ok()) return std::nullopt;
    const bool drawn = source == CaptureSource::Screen
                           ? BitBlt(canvas.dc(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY) != FALSE
                           : PrintWindow(window, canvas.dc(), 0) != FALSE;
    GdiFlush();
    if (!drawn) return std::nullopt;
    Dib24 image;
    image.width = width;
    image.height = height;
    const std::uint8_t* bits = canvas.bits();
    image.bits.assign(bits, bits + Dib24::stride(width) * static_cast<std::size_t>(height));
    return image;
}

bool captureWindowToBmp(HWND window, const std::wstring& path, CaptureSource source) {
    const std::optional<Dib24> image = captureWindow(window, source);
    return image.has_value() && writeBmp(*image, path);
}

}  // namespace zrt::tools
