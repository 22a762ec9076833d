// The display table, row by row, against the display table of the design: its columns
// are kept here in their written form ("Pause (pressed), Cancel", "yes", "-") and read by this
// test, so that the library's table and this one share no code.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "presentation/core/display_mapping.h"
#include "presentation/core/display_table.h"

namespace {

using namespace zrt::presentation;

struct DocumentedRow {
    std::uint32_t id;
    std::uint32_t headline;
    const char* messages;  // "-" or one string id
    std::uint32_t icon;
    std::uint32_t background;
    std::uint32_t picture;
    const char* animation;  // "-" or the mode
    const char* sound;      // "-" or the sound name
    const char* pagesText;  // "yes" or "no"
    const char* menuEnabled;
    const char* toolbarEnabled;
};

// id, headline, messages, icon, back, picture, anim., sound, pages text, menu enabled, toolbar
// enabled.
const DocumentedRow kDocumented[] = {
        {100, 5301, "5402", 403, 601, 301, "-", "PrinterError", "no", "none", "none"},
        {101, 5316, "5403", 400, 600, 301, "-", "-", "no", "none", "none"},
        {102, 5317, "5423", 403, 601, 301, "-", "PrinterError", "no", "none", "none"},
        {200, 5200, "-", 400, 600, 210, "1", "-", "yes", "Pause, Cancel", "Pause, Resume (pressed), Cancel"},
        {201, 5200, "-", 400, 600, 210, "1", "-", "yes", "Pause, Cancel", "Pause, Resume (pressed), Cancel"},
        {202, 5201, "-", 401, 600, 301, "-", "-", "yes", "Resume, Cancel", "Pause (pressed), Resume, Cancel"},
        {203, 5201, "-", 401, 600, 301, "-", "-", "yes", "Resume, Cancel", "Pause (pressed), Resume, Cancel"},
        {204, 5203, "-", 400, 600, 210, "1", "-", "yes", "none", "Resume (pressed)"},
        {206, 5204, "5400", 400, 600, 301, "-", "-", "no", "none", "Resume (pressed)"},
        {207, 5318, "5433", 400, 600, 301, "-", "-", "no", "Cancel", "Resume (pressed), Cancel"},
        {208, 5319, "5430", 402, 601, 304, "-", "PrinterError", "no", "Cancel", "Pause (pressed), Cancel"},
        {209, 5320, "5431", 400, 600, 301, "-", "-", "no", "none", "Resume (pressed)"},
        {210, 5321, "5424", 400, 600, 317, "-", "-", "no", "Cancel", "Pause (pressed), Cancel"},
        {211, 5322, "5425", 400, 600, 305, "-", "-", "no", "Cancel", "Pause (pressed), Cancel"},
        {212, 5327, "5400", 400, 600, 210, "1", "-", "yes", "none", "Resume (pressed)"},
        {213, 5328, "5427", 401, 600, 314, "-", "PrintComplete", "no", "Resume, Cancel", "Pause (pressed), Resume, Cancel"},
        {214, 5325, "-", 401, 600, 301, "-", "-", "yes", "Resume, Cancel", "Pause (pressed), Resume, Cancel"},
        {215, 5201, "5436", 401, 600, 301, "-", "-", "yes", "Resume, Cancel", "Pause (pressed), Resume, Cancel"},
        {300, 5300, "-", 400, 600, 301, "-", "-", "no", "none", "Resume (pressed)"},
        {301, 5202, "-", 400, 600, 301, "-", "-", "yes", "none", "Resume (pressed)"},
        {302, 5205, "-", 400, 600, 301, "-", "-", "yes", "none", "Resume (pressed)"},
        {306, 5318, "5433", 400, 600, 301, "-", "-", "no", "none", "Resume (pressed)"},
        {307, 5319, "5430", 402, 601, 304, "-", "PrinterError", "no", "none", "Resume (pressed)"},
        {308, 5320, "5431", 400, 600, 301, "-", "-", "no", "none", "Resume (pressed)"},
        {309, 5321, "5424", 400, 600, 317, "-", "-", "no", "none", "Resume (pressed)"},
        {310, 5322, "5425", 400, 600, 305, "-", "-", "no", "none", "Resume (pressed)"},
        {400, 5302, "5404", 403, 601, 306, "-", "PrinterError", "no", "Cancel", "Cancel"},
        {401, 5309, "5408", 404, 602, 301, "-", "PrinterServiceError", "no", "Cancel", "Cancel"},
        {402, 5206, "5409", 402, 601, 311, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {403, 5206, "5409", 402, 601, 312, "-", "-", "yes", "Cancel", "Cancel"},
        {404, 5331, "5411", 402, 601, 313, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {406, 5310, "5432", 402, 601, 304, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {407, 5311, "5412", 402, 601, 302, "-", "PrinterError", "yes", "Cancel", "Pause (pressed), Cancel"},
        {408, 5311, "5414", 402, 601, 302, "-", "PrinterError", "yes", "Cancel", "Pause (pressed), Cancel"},
        {409, 5312, "5416", 402, 601, 303, "-", "PrinterError", "yes", "Cancel", "Resume (pressed), Cancel"},
        {410, 5313, "5417", 402, 601, 310, "-", "PrinterError", "yes", "Cancel", "Pause (pressed), Cancel"},
        {411, 5308, "5422", 403, 601, 309, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {412, 5304, "5418", 402, 601, 301, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {413, 5305, "5419", 402, 601, 301, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {414, 5306, "5420", 402, 601, 307, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {415, 5307, "-", 402, 601, 318, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {416, 5314, "5421", 403, 601, 301, "-", "PrinterError", "no", "Cancel", "Cancel"},
        {417, 5323, "5437", 402, 601, 305, "-", "PrinterError", "no", "Cancel", "Cancel"},
        {418, 5324, "5438", 402, 601, 318, "-", "PrinterError", "no", "Cancel", "Cancel"},
        {419, 5326, "5426", 402, 601, 308, "-", "PrinterError", "yes", "Resume, Cancel", "Resume, Cancel"},
        {420, 5329, "5428", 402, 601, 305, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {421, 5330, "5429", 402, 601, 316, "-", "PrinterError", "yes", "Cancel", "Cancel"},
        {500, 5314, "5421", 403, 601, 301, "-", "PrinterError", "no", "none", "none"},
        {501, 5302, "5404", 403, 601, 306, "-", "PrinterError", "no", "none", "none"},
        {502, 5309, "5408", 404, 602, 301, "-", "PrinterServiceError", "no", "none", "none"},
        {503, 5310, "5432", 402, 601, 304, "-", "PrinterError", "no", "none", "none"},
        {504, 5315, "5434", 402, 601, 303, "-", "PrinterError", "no", "none", "Resume (pressed)"},
        {505, 5308, "5422", 403, 601, 309, "-", "PrinterError", "no", "none", "none"},
        {506, 5304, "5418", 402, 601, 301, "-", "PrinterError", "no", "none", "none"},
        {507, 5305, "5419", 402, 601, 301, "-", "PrinterError", "no", "none", "none"},
        {508, 5307, "-", 402, 601, 318, "-", "PrinterError", "no", "none", "none"},
        {509, 5323, "5437", 402, 601, 305, "-", "PrinterError", "no", "none", "none"},
        {510, 5324, "5438", 402, 601, 318, "-", "PrinterError", "no", "none", "none"},
        {511, 5206, "5409", 402, 601, 311, "-", "PrinterError", "yes", "none", "none"},
        {512, 5206, "5409", 402, 601, 312, "-", "-", "yes", "none", "none"},
        {513, 5331, "5411", 402, 601, 313, "-", "PrinterError", "yes", "none", "none"},
        {514, 5329, "5428", 402, 601, 305, "-", "PrinterError", "yes", "none", "none"},
        {515, 5330, "5429", 402, 601, 316, "-", "PrinterError", "yes", "none", "none"},
};

bool mentions(const std::string& list, const std::string& item) {
    // Items are separated by ", "; an item may carry " (pressed)".
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(", ", start);
        if (end == std::string::npos) end = list.size();
        const std::string entry = list.substr(start, end - start);
        if (entry == item || entry == item + " (pressed)") return true;
        start = end + 2;
    }
    return false;
}

bool pressed(const std::string& list, const std::string& item) {
    return list.find(item + " (pressed)") != std::string::npos;
}

CommandStateSet expectedMenu(const char* text) {
    auto state = [&](const char* item) { return mentions(text, item) ? 0u : 1u; };
    return {{{100, state("Pause")}, {101, state("Resume")}, {103, state("Cancel")}}};
}

CommandStateSet expectedToolbar(const char* text) {
    auto state = [&](const char* item) { return pressed(text, item) ? 5u : mentions(text, item) ? 4u : 0u; };
    return {{{100, state("Pause")}, {101, state("Resume")}, {103, state("Cancel")}}};
}

std::string describe(const CommandStateSet& set) {
    std::string out;
    for (const CommandState& c : set) out += std::to_string(c.command) + ":" + std::to_string(c.state) + " ";
    return out;
}

std::string narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(DisplayTable, EveryRowMatchesTheDocumentedTable) {
    ASSERT_EQ(std::size(kDocumented), kDisplayCount);
    for (const DocumentedRow& row : kDocumented) {
        const DisplayRow* found = findDisplayRow(row.id);
        ASSERT_NE(found, nullptr) << "display " << row.id << " missing from the table";
        const DisplayState got = displayForRow(static_cast<DisplayId>(row.id));
        const std::string where = "display " + std::to_string(row.id) + ": ";

        EXPECT_EQ(toNumber(got.id), row.id) << where << "id";
        EXPECT_EQ(got.headline, row.headline) << where << "headline";
        if (std::strcmp(row.messages, "-") == 0) {
            EXPECT_EQ(got.messages.size(), 0u) << where << "expected no message";
        } else {
            ASSERT_EQ(got.messages.size(), 1u) << where << "expected one message";
            EXPECT_EQ(std::to_string(got.messages[0]), row.messages) << where << "message";
        }
        EXPECT_EQ(got.icon, row.icon) << where << "icon";
        EXPECT_EQ(static_cast<std::uint32_t>(got.background), row.background) << where << "background";
        EXPECT_EQ(got.picture, row.picture) << where << "picture";
        const std::uint32_t anim = std::strcmp(row.animation, "-") == 0 ? 0u : static_cast<std::uint32_t>(std::stoul(row.animation));
        EXPECT_EQ(static_cast<std::uint32_t>(got.animation), anim) << where << "animation mode";
        EXPECT_EQ(got.frameCount, anim == 0 ? 0u : 5u) << where << "frame count";
        const std::string sound = std::strcmp(row.sound, "-") == 0 ? "" : row.sound;
        EXPECT_EQ(narrow(soundName(got.sound)), sound) << where << "sound";
        const std::uint32_t pages = std::strcmp(row.pagesText, "yes") == 0 ? 0u : 1u;
        EXPECT_EQ(static_cast<std::uint32_t>(got.pagesText), pages) << where << "pages text (" << row.pagesText << ")";
        EXPECT_EQ(got.menu, expectedMenu(row.menuEnabled))
            << where << "menu \"" << row.menuEnabled << "\": expected " << describe(expectedMenu(row.menuEnabled))
            << "got " << describe(got.menu);
        EXPECT_EQ(got.toolbar, expectedToolbar(row.toolbarEnabled))
            << where << "toolbar \"" << row.toolbarEnabled << "\": expected "
            << describe(expectedToolbar(row.toolbarEnabled)) << "got " << describe(got.toolbar);
    }
}

TEST(DisplayTable, HoldsNoOtherIds) {
    std::set<std::uint32_t> documented;
    for (const DocumentedRow& row : kDocumented) documented.insert(row.id);
    for (const DisplayRow& row : displayTable())
        EXPECT_EQ(documented.count(toNumber(row.id)), 1u) << "display " << toNumber(row.id) << " is not documented";
    for (std::uint32_t n : {0u, 99u, 103u, 199u, 205u, 216u, 303u, 305u, 311u, 405u, 422u, 499u, 516u, 0xFFFFFFFFu})
        EXPECT_FALSE(isDisplayId(n)) << n;
}

TEST(DisplayTable, FramesAreTheOneGrowingSheet) {
    const std::uint16_t bitmaps[] = {211, 212, 213, 214, 215};
    const std::int32_t xs[] = {71, 56, 42, 23, 0};
    ASSERT_EQ(kAnimationFrames.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(kAnimationFrames[i].bitmapId, bitmaps[i]) << "frame " << i;
        EXPECT_EQ(kAnimationFrames[i].x, xs[i]) << "frame " << i;
        EXPECT_EQ(kAnimationFrames[i].y, 40) << "frame " << i;
        EXPECT_EQ(kAnimationFrames[i].durationMs, 1000u) << "frame " << i;
    }
}

TEST(DisplayValues, SoundNamesAreExact) {
    EXPECT_EQ(soundName(Sound::PrinterError), u"PrinterError");
    EXPECT_EQ(soundName(Sound::PrinterServiceError), u"PrinterServiceError");
    EXPECT_EQ(soundName(Sound::PrintComplete), u"PrintComplete");
    EXPECT_TRUE(soundName(Sound::None).empty());
    EXPECT_EQ(std::wstring(soundNameWide(Sound::PrinterServiceError)), L"PrinterServiceError");
    EXPECT_EQ(soundNameWide(Sound::None), nullptr);
}

}  // namespace
