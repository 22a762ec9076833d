#include "statuswindow/core/gradient.h"

namespace zrt::statuswindow {

namespace {

struct Scheme {
    int start[3];
    int delta[3];
};

Scheme schemeOf(std::uint32_t background) noexcept {
    switch (background) {
        case kBackgroundError: return {{255, 128, 0}, {0, 127, 0}};
        case kBackgroundServiceError: return {{187, 0, 0}, {-59, 128, 128}};
        default: return {{0, 128, 128}, {192, 64, 64}};
    }
}

// start + trunc(k * delta / 40), kept to 8 bits.
std::uint8_t component(int start, int delta, int k) noexcept {
    return static_cast<std::uint8_t>((start + k * delta / kGradientBands) & 0xFF);
}

}  // namespace

const Rgb kPicturePalette[16] = {
    {255, 255, 255}, {192, 192, 192}, {128, 128, 128}, {0, 0, 0},
    {0, 0, 128},     {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
    {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

Rgb bandColour(std::uint32_t background, int k) noexcept {
    const Scheme s = schemeOf(background);
    return {component(s.start[0], s.delta[0], k), component(s.start[1], s.delta[1], k),
            component(s.start[2], s.delta[2], k)};
}

std::vector<Band> gradientBands(std::uint32_t background, std::int32_t height) {
    std::vector<Band> bands;
    if (background != kBackgroundServiceError) {
        for (int k = 1; k <= kGradientBands; ++k)
            bands.push_back({(k - 1) * height / kGradientBands, k * height / kGradientBands, bandColour(background, k)});
        return bands;
    }
    const std::int32_t half = height / 2;
    for (int k = 1; k <= kGradientBands; ++k) {
        const std::int32_t top = (k - 1) * half / kGradientBands;
        const std::int32_t end = k * half / kGradientBands;
        const Rgb colour = bandColour(background, k);
        bands.push_back({top, end, colour});
        bands.push_back({height - end, height - top, colour});
    }
    bands.push_back({half, half + 1, bandColour(background, kGradientBands)});
    return bands;
}

}  // namespace zrt::statuswindow
