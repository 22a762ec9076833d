#include "statuswindow/shell/picture_cache.h"

#include <cstring>
#include <vector>

#include "statuswindow/core/gradient.h"

namespace zrt::statuswindow::shell {

namespace {

constexpr RGBQUAD kBlack{0, 0, 0, 0};
constexpr RGBQUAD kWhite{255, 255, 255, 0};

bool isMagenta(const RGBQUAD& q) noexcept { return q.rgbRed == 255 && q.rgbGreen == 0 && q.rgbBlue == 255; }

// A device-independent bitmap resource, checked against the size of its resource.
struct DibView {
    const BITMAPINFOHEADER* header = nullptr;
    std::size_t colours = 0;
    const RGBQUAD* table = nullptr;
    const void* bits = nullptr;
    int width = 0;
    int height = 0;
};

bool viewDib(HMODULE module, HRSRC resource, DibView& out) {
    if (module == nullptr || resource == nullptr) return false;
    const DWORD size = SizeofResource(module, resource);
    const HGLOBAL loaded = LoadResource(module, resource);
    const auto* base = static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (base == nullptr || size < sizeof(BITMAPINFOHEADER)) return false;
    const auto* h = reinterpret_cast<const BITMAPINFOHEADER*>(base);
    if (h->biSize < sizeof(BITMAPINFOHEADER) || h->biSize > size || h->biWidth <= 0 || h->biHeight == 0 ||
        h->biWidth > 4096 || h->biHeight > 4096 || h->biHeight < -4096)
        return false;
    std::size_t colours = 0;
    if (h->biBitCount <= 8) colours = h->biClrUsed != 0 ? h->biClrUsed : (std::size_t{1} << h->biBitCount);
    if (colours > 256) return false;
    const std::size_t tableEnd = h->biSize + colours * sizeof(RGBQUAD);
    const std::size_t stride = ((static_cast<std::size_t>(h->biWidth) * h->biBitCount + 31) / 32) * 4;
    const std::size_t rows = static_cast<std::size_t>(h->biHeight < 0 ? -h->biHeight : h->biHeight);
    if (h->biCompression != BI_RGB || tableEnd > size || stride * rows > size - tableEnd) return false;
    out.header = h;
    out.colours = colours;
    out.table = reinterpret_cast<const RGBQUAD*>(base + h->biSize);
    out.bits = base + tableEnd;
    out.width = h->biWidth;
    out.height = static_cast<int>(rows);
    return true;
}

// A copy of the header and colour table with every colour replaced as recolour says.
template <typename F>
std::vector<unsigned char> recoloured(const DibView& dib, F recolour) {
    std::vector<unsigned char> info(dib.header->biSize + dib.colours * sizeof(RGBQUAD));
    std::memcpy(info.data(), dib.header, dib.header->biSize);
    for (std::size_t i = 0; i < dib.colours; ++i) {
        const RGBQUAD q = recolour(dib.table[i]);
        std::memcpy(info.data() + dib.header->biSize + i * sizeof(RGBQUAD), &q, sizeof(q));
    }
    return info;
}

void stretch(HDC dc, const DibView& dib, const std::vector<unsigned char>& info, DWORD rop) {
    StretchDIBits(dc, 0, 0, dib.width, dib.height, 0, 0, dib.width, dib.height, dib.bits,
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, rop);
}

}  // namespace

Palette paletteFromBitmap(HINSTANCE module, UINT bitmapId) {
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(bitmapId), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    DibView dib;
    if (!viewDib(module, resource, dib) || dib.colours == 0) return Palette();
    constexpr std::size_t kEntries = 16;
    std::vector<unsigned char> storage(sizeof(LOGPALETTE) + kEntries * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(kEntries);
    auto* entries = reinterpret_cast<PALETTEENTRY*>(storage.data() + offsetof(LOGPALETTE, palPalEntry));
    for (std::size_t i = 0; i < kEntries; ++i) {
        const RGBQUAD q = i < dib.colours ? dib.table[i] : kBlack;
        entries[i] = PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    return Palette(CreatePalette(logical));
}

bool drawTransparent(HDC target, HMODULE module, HRSRC resource, int x, int y, HPALETTE palette, SIZE* size) {
    DibView dib;
    if (!viewDib(module, resource, dib)) return false;
    if (size != nullptr) *size = SIZE{dib.width, dib.height};
    if (dib.colours == 0) {  // no colour table: drawn as it is
        SetDIBitsToDevice(target, x, y, static_cast<DWORD>(dib.width), static_cast<DWORD>(dib.height), 0, 0, 0,
                          static_cast<UINT>(dib.height), dib.bits, reinterpret_cast<const BITMAPINFO*>(dib.header),
                          DIB_RGB_COLORS);
        return true;
    }
    const std::vector<unsigned char> mask = recoloured(dib, [](const RGBQUAD& q) { return isMagenta(q) ? kWhite : kBlack; });
    const std::vector<unsigned char> image = recoloured(dib, [](const RGBQUAD& q) { return isMagenta(q) ? kBlack : q; });
    MemoryDc dc(CreateCompatibleDC(target));
    Bitmap work(CreateCompatibleBitmap(target, dib.width, dib.height));
    if (!dc || !work) return false;
    const Selection selectBitmap(dc.get(), work.get());
    const PaletteSelection selectPalette(dc.get(), palette);
    SetMapMode(dc.get(), GetMapMode(target));
    BitBlt(dc.get(), 0, 0, dib.width, dib.height, target, x, y, SRCCOPY);
    stretch(dc.get(), dib, mask, SRCAND);
    stretch(dc.get(), dib, image, SRCPAINT);
    BitBlt(target, x, y, dib.width, dib.height, dc.get(), 0, 0, SRCCOPY);
    return true;
}

void PictureCache::discard() noexcept {
    if (dc_ && previousBitmap_ != nullptr) SelectObject(dc_.get(), previousBitmap_);
    previousBitmap_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    picture_ = nullptr;
}

void PictureCache::paint(HDC target, SIZE client, HMODULE module, HRSRC picture, std::uint32_t background,
                         HPALETTE palette) {
    const bool current = dc_ && picture_ == picture && background_ == background && size_.cx == client.cx &&
                         size_.cy == client.cy;
    if (!current) {
        discard();
        dc_.reset(CreateCompatibleDC(target));
        bitmap_.reset(CreateCompatibleBitmap(target, client.cx, client.cy));
        if (!dc_ || !bitmap_) {
            discard();
            return;
        }
        previousBitmap_ = SelectObject(dc_.get(), bitmap_.get());
        for (const Band& band : gradientBands(background, client.cy)) {
            const Brush brush(CreateSolidBrush(RGB(band.colour.r, band.colour.g, band.colour.b)));
            const RECT r{0, band.top, client.cx, band.bottom};
            FillRect(dc_.get(), &r, brush.get());
        }
        pictureSize_ = SIZE{};
        drawTransparent(dc_.get(), module, picture, 0, 0, palette, &pictureSize_);
        picture_ = picture;
        background_ = background;
        size_ = client;
    }
    BitBlt(target, 0, 0, client.cx, client.cy, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace zrt::statuswindow::shell
