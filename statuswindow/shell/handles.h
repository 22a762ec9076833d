// Move-only owners of the Win32 handles the status window acquires; each releases its handle
// the way its kind requires.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <utility>

namespace zrt::statuswindow::shell {

template <typename H, typename Traits>
class Unique {
public:
    Unique() noexcept = default;
    explicit Unique(H h) noexcept : h_(h) {}
    Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, Traits::invalid())) {}
    Unique& operator=(Unique&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Traits::invalid()));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    H get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::invalid(); }
    H release() noexcept { return std::exchange(h_, Traits::invalid()); }
    void reset(H h = Traits::invalid()) noexcept {
        if (h_ != Traits::invalid()) Traits::close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::invalid();
};

struct KernelHandleTraits {
    static HANDLE invalid() noexcept { return nullptr; }
    static void close(HANDLE h) noexcept { CloseHandle(h); }
};
using KernelHandle = Unique<HANDLE, KernelHandleTraits>;

struct PrinterTraits {
    static HANDLE invalid() noexcept { return nullptr; }
    static void close(HANDLE h) noexcept { ClosePrinter(h); }
};
using PrinterHandle = Unique<HANDLE, PrinterTraits>;

struct ModuleTraits {
    static HMODULE invalid() noexcept { return nullptr; }
    static void close(HMODULE h) noexcept { FreeLibrary(h); }
};
using Module = Unique<HMODULE, ModuleTraits>;

struct RegKeyTraits {
    static HKEY invalid() noexcept { return nullptr; }
    static void close(HKEY h) noexcept { RegCloseKey(h); }
};
using RegKey = Unique<HKEY, RegKeyTraits>;

template <typename T>
struct GdiTraits {
    static T invalid() noexcept { return nullptr; }
    static void close(T h) noexcept { DeleteObject(h); }
};
using Bitmap = Unique<HBITMAP, GdiTraits<HBITMAP>>;
using Brush = Unique<HBRUSH, GdiTraits<HBRUSH>>;
using Font = Unique<HFONT, GdiTraits<HFONT>>;
using Pen = Unique<HPEN, GdiTraits<HPEN>>;
using Palette = Unique<HPALETTE, GdiTraits<HPALETTE>>;
using Region = Unique<HRGN, GdiTraits<HRGN>>;

struct DcTraits {
    static HDC invalid() noexcept { return nullptr; }
    static void close(HDC h) noexcept { DeleteDC(h); }
};
using MemoryDc = Unique<HDC, DcTraits>;

struct MenuTraits {
    static HMENU invalid() noexcept { return nullptr; }
    static void close(HMENU h) noexcept { DestroyMenu(h); }
};
using Menu = Unique<HMENU, MenuTraits>;

// Selects an object into a device context for a scope and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects a palette for a scope.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette) noexcept
        : dc_(dc), previous_(palette != nullptr ? SelectPalette(dc, palette, FALSE) : nullptr) {
        if (previous_ != nullptr) RealizePalette(dc);
    }
    ~PaletteSelection() {
        if (previous_ != nullptr) SelectPalette(dc_, previous_, FALSE);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE previous_;
};

// BeginPaint .. EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// A window DC released at the end of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace zrt::statuswindow::shell
