// The colour gradients behind the printer picture: 40 bands per background code (600 normal,
// 601 error, 602 service error, which is mirrored about the middle).
#pragma once

#include <cstdint>
#include <vector>

namespace zrt::statuswindow {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb& a, const Rgb& c) noexcept { return a.r == c.r && a.g == c.g && a.b == c.b; }
};

// A horizontal band [top, bottom) across the whole width, in one colour.
struct Band {
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    Rgb colour;
};

inline constexpr std::uint32_t kBackgroundNormal = 600;
inline constexpr std::uint32_t kBackgroundError = 601;
inline constexpr std::uint32_t kBackgroundServiceError = 602;
inline constexpr int kGradientBands = 40;

// Colour of band k (1..40) of a background; an unknown code paints as 600.
Rgb bandColour(std::uint32_t background, int k) noexcept;

// The bands to fill, in painting order, for a pane of the given height. For 602 the list holds
// each band from the top and its mirror from the bottom, then the 1-pixel middle line.
std::vector<Band> gradientBands(std::uint32_t background, std::int32_t height);

// The 16 colours of the picture palette (the colour table of bitmap 601).
extern const Rgb kPicturePalette[16];

}  // namespace zrt::statuswindow
