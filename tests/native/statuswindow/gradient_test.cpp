#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "statuswindow/core/gradient.h"

namespace zrt::statuswindow {
namespace {

std::string str(const Rgb& c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

TEST(Gradient, BandColours) {
    struct Row {
        std::uint32_t code;
        int k;
        Rgb colour;
    } rows[] = {
        {600, 1, {4, 129, 129}},   {600, 20, {96, 160, 160}},  {600, 40, {192, 192, 192}},
        {601, 1, {255, 131, 0}},   {601, 40, {255, 255, 0}},   {602, 1, {186, 3, 3}},
        {602, 3, {183, 9, 9}},     {602, 40, {128, 128, 128}}, {999, 40, {192, 192, 192}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(str(bandColour(r.code, r.k)), str(r.colour)) << "background " << r.code << " band " << r.k;
}

TEST(Gradient, TopToBottomBandsCoverThePane) {
    const std::vector<Band> bands = gradientBands(600, 126);
    ASSERT_EQ(bands.size(), 40u);
    EXPECT_EQ(bands.front().top, 0);
    EXPECT_EQ(bands.back().bottom, 126);
    for (std::size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].top, bands[i - 1].bottom) << "band " << i + 1;
    EXPECT_EQ(bands[9].bottom, 10 * 126 / 40);
}

TEST(Gradient, ServiceErrorIsSymmetricWithMiddleLine) {
    const std::int32_t h = 126;
    const std::vector<Band> bands = gradientBands(602, h);
    ASSERT_EQ(bands.size(), 81u);
    for (std::size_t k = 0; k < 40; ++k) {
        const Band& top = bands[2 * k];
        const Band& bottom = bands[2 * k + 1];
        EXPECT_EQ(str(top.colour), str(bottom.colour)) << "band " << k + 1;
        EXPECT_EQ(top.top, h - bottom.bottom) << "band " << k + 1;
        EXPECT_EQ(top.bottom, h - bottom.top) << "band " << k + 1;
    }
    EXPECT_EQ(bands[0].top, 0);
    EXPECT_EQ(bands[1].bottom, h);
    const Band& middle = bands.back();
    EXPECT_EQ(middle.top, h / 2);
    EXPECT_EQ(middle.bottom, h / 2 + 1);
    EXPECT_EQ(str(middle.colour), str(bandColour(602, 40)));
}

// The palette the window builds comes from the colour table of its bitmap 601.
TEST(PicturePalette, Bitmap601HoldsThePaletteColours) {
    std::ifstream in(std::string(ZRT_SOURCE_DIR) + "/resources/statuswindow/art/palette_601.bmp", std::ios::binary);
    ASSERT_TRUE(in);
    const std::vector<unsigned char> bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bmp.size(), 14u + 40u + 64u);
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(bmp[at] | (bmp[at + 1] << 8) | (bmp[at + 2] << 16) |
                                          (static_cast<std::uint32_t>(bmp[at + 3]) << 24));
    };
    EXPECT_EQ(u32(18), 310u);
    EXPECT_EQ(u32(22), 168u);
    EXPECT_EQ(bmp[28], 4) << "bits per pixel";
    EXPECT_EQ(u32(46), 16u) << "colours used";
    const Rgb expected[16] = {{255, 255, 255}, {192, 192, 192}, {128, 128, 128}, {0, 0, 0},
                              {0, 0, 128},     {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
                              {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
                              {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t at = 54 + 4 * i;
        const Rgb got{bmp[at + 2], bmp[at + 1], bmp[at]};
        EXPECT_EQ(str(got), str(expected[i])) << "colour " << i;
        EXPECT_EQ(str(kPicturePalette[i]), str(expected[i])) << "core palette colour " << i;
    }
}

}  // namespace
}  // namespace zrt::statuswindow
