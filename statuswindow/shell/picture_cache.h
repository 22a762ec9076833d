// The picture pane's drawing: the palette from bitmap 601, the cached composition of gradient
// and printer picture, and transparent drawing of 16- and 256-colour pictures (magenta is
// transparent).
#pragma once

#include <windows.h>

#include <cstdint>

#include "statuswindow/shell/handles.h"

namespace zrt::statuswindow::shell {

// A 16-entry logical palette (version 0x300) from the colour table of the module's bitmap id.
Palette paletteFromBitmap(HINSTANCE module, UINT bitmapId);

// Draws a bitmap resource of module at (x, y) with magenta transparent; false when the
// resource is missing, cannot be locked or is damaged. size receives its width and height.
bool drawTransparent(HDC target, HMODULE module, HRSRC resource, int x, int y, HPALETTE palette,
                     SIZE* size = nullptr);

class PictureCache {
public:
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;
    ~PictureCache() { discard(); }

    // Copies the composition of (picture, background) in a pane of the given size to target,
    // composing it first when the cache holds another one.
    void paint(HDC target, SIZE client, HMODULE module, HRSRC picture, std::uint32_t background, HPALETTE palette);
    void discard() noexcept;
    SIZE pictureSize() const noexcept { return pictureSize_; }

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    HRSRC picture_ = nullptr;
    std::uint32_t background_ = 0;
    SIZE size_{};
    SIZE pictureSize_{};
};

}  // namespace zrt::statuswindow::shell
