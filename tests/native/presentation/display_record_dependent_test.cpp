// What the record changes beyond the display id: the variants of 213, 301 and 409, the
// supplementary notes (order, conditions, the fixed lists of 210/309 and 211/310), the
// key edge cases, and the request kinds of the library entry point.
#include <gtest/gtest.h>

#include <vector>

#include "mapping_test_support.h"

namespace {

using namespace zrt::presentation;
using zrt::presentation::testing::describe;
using zrt::presentation::testing::Fields;
using zrt::presentation::testing::mapFields;
using zrt::presentation::testing::toVector;

constexpr std::uint32_t kJob = 0x8;
constexpr std::uint32_t kBothEmpty = 0xC0000000;
constexpr std::uint32_t kTrayEmpty = 0x80000000;
constexpr std::uint32_t kCassetteEmpty = 0x40000000;

CommandStateSet set(std::uint32_t pause, std::uint32_t resume, std::uint32_t cancel) {
    return {{{100, pause}, {101, resume}, {103, cancel}}};
}

TEST(DisplayVariants, CleaningAboutToStartWithEmptyTrayOffersOnlyCancel) {
    struct Row {
        const char* name;
        Fields fields;
        CommandStateSet menu;
        CommandStateSet toolbar;
    };
    const Row rows[] = {
        {"during a job, tray empty", {0xC, kJob, kTrayEmpty}, set(1, 1, 0), set(5, 0, 4)},
        {"without a job, tray empty", {0xC, 0, kTrayEmpty}, set(1, 1, 0), set(5, 0, 4)},
        {"both empty", {0xC, 0, kBothEmpty}, set(1, 1, 0), set(5, 0, 4)},
        {"only cassette empty: table sets", {0xC, 0, kCassetteEmpty}, set(1, 0, 0), set(5, 4, 4)},
        {"nothing empty: table sets", {0xC, kJob}, set(1, 0, 0), set(5, 4, 4)},
    };
    for (const Row& row : rows) {
        const DisplayState got = mapFields(row.fields);
        ASSERT_EQ(toNumber(got.id), 213u) << row.name;
        EXPECT_EQ(got.menu, row.menu) << row.name << ": menu";
        EXPECT_EQ(got.toolbar, row.toolbar) << row.name << ": toolbar";
        EXPECT_EQ(got.sound, Sound::PrintComplete) << row.name;
    }
}

TEST(DisplayVariants, JobFinishedSoundsOnlyAfterAPrintingState) {
    struct Row {
        std::uint32_t previous;
        Sound expected;
    };
    const Row rows[] = {
        {0, Sound::None},     {101, Sound::None},          {199, Sound::None},          {200, Sound::PrintComplete},
        {201, Sound::PrintComplete}, {202, Sound::PrintComplete}, {203, Sound::PrintComplete},
        {204, Sound::PrintComplete}, {205, Sound::None},   {206, Sound::None},          {212, Sound::None},
        {300, Sound::None},   {301, Sound::None},          {409, Sound::None},          {0xFFFFFFFF, Sound::None},
    };
    for (const Row& row : rows) {
        const DisplayState got = mapFields({0, 0x3}, row.previous);
        ASSERT_EQ(toNumber(got.id), 301u);
        EXPECT_EQ(got.sound, row.expected) << "previous display " << row.previous;
    }
    // The previous id changes the sound of 301 only.
    EXPECT_EQ(mapFields({0, 0x4}, 200).sound, Sound::None) << "302 after 200";
    EXPECT_EQ(mapFields({0, 0}, 200).sound, Sound::None) << "300 after 200";
}

TEST(DisplayVariants, PaperOutWithoutNamedSourceAsksToAddPaper) {
    struct Row {
        const char* name;
        Fields fields;
        std::uint32_t message;
    };
    const Row rows[] = {
        {"paper out at the source (0x10000)", {0x10000, kJob, kBothEmpty}, 5416},
        {"paper out, no source named (0x20000)", {0x20000, kJob, kBothEmpty}, 5434},
        {"both paper-out bits", {0x30000, kJob, kTrayEmpty, 0}, 5434},
    };
    for (const Row& row : rows) {
        const DisplayState got = mapFields(row.fields);
        ASSERT_EQ(toNumber(got.id), 409u) << row.name;
        EXPECT_EQ(toVector(got.messages), std::vector<std::uint32_t>{row.message}) << row.name;
    }
    // Without a job, 504 keeps its own 5434 whatever the bit.
    EXPECT_EQ(toVector(mapFields({0x10000, 0, kBothEmpty}).messages), std::vector<std::uint32_t>{5434});
}

TEST(SupplementaryNotes, OrderConditionsAndFixedLists) {
    struct Row {
        const char* name;
        Fields fields;  // {P, J, W, T, C, Jm, total, IC}
        std::uint32_t id;
        std::vector<std::uint32_t> messages;
    };
    const Row rows[] = {
        {"200 without notes", {0, kJob, 0, 0, 0, 0, 5}, 200, {}},
        {"200, W 0x8003C0: only 5505", {0, kJob, 0x8003C0, 0, 0, 0, 5}, 200, {5505}},
        {"200, W 0x800000 alone: 5505", {0, kJob, 0x800000, 0, 0, 0, 5}, 200, {5505}},
        {"200, W 0x40 alone: 5505", {0, kJob, 0x40, 0, 0, 0, 5}, 200, {5505}},
        {"201, toner to replace: 5506", {0, kJob, 0x1000}, 201, {5506}},
        {"201, cassette empty: 5501", {0, kJob, kCassetteEmpty}, 201, {5501}},
        {"201, tray empty alone: nothing", {0, kJob, kTrayEmpty}, 201, {}},
        {"201, both empty, no other printer bit: 5501", {0, kJob, kBothEmpty}, 201, {5501}},
        {"200, paper out, job source tray fine, cassette empty", {0x10000, kJob, kCassetteEmpty, 0}, 200, {5501}},
        {"200, paper out at other source, tray empty", {0x10000, kJob, kTrayEmpty, 1}, 200, {}},
        {"202, both empty, P only 0x1: 5501", {0x1, kJob, kBothEmpty, 0, 0, 0, 2}, 202, {5501}},
        {"214, both empty, P 0x10 is outside 0x4209", {0x10, kJob, kBothEmpty}, 214, {5507, 5434}},
        {"214 with every note, in order", {0x10, kJob, kBothEmpty | 0x8003C0 | 0xF000}, 214,
         {5507, 5434, 5505, 5506}},
        {"214, cassette empty and toner", {0x10, kJob, kCassetteEmpty | 0x8000}, 214, {5507, 5501, 5506}},
        {"204, W 0x8003C0", {0, kJob | 0x100, 0x8003C0}, 204, {5505}},
        {"206: own message first", {0x2000, 0, 0x8003C0}, 206, {5400, 5505}},
        {"212: own message first", {0x8, kJob, 0xF000}, 212, {5400, 5506}},
        {"213: own message first", {0xC, 0, kCassetteEmpty}, 213, {5427, 5501}},
        {"215: own message, then 5434 (0x100000 outside 0x4209)", {0x100000, kJob, kBothEmpty}, 215,
         {5436, 5434}},
        {"300, both empty, P 0x200 and 0x4000 only: 5501", {0x4200, 0, kBothEmpty}, 300, {5501}},
        {"300, both empty, P 0x40000000: 5434", {0x40000000, 0, kBothEmpty}, 300, {5434}},
        {"301, cassette empty", {0, 0x2, kCassetteEmpty}, 301, {5501}},
        {"302, toner to replace", {0, 0x4, 0xF000}, 302, {5506}},
        {"207 takes no notes", {0x1000, kJob, kBothEmpty | 0x8003C0}, 207, {5433}},
        {"306 takes no notes", {0x1000, 0, 0xF000}, 306, {5433}},
        {"415: 5600 during a job", {0x200000, kJob}, 415, {5600}},
        {"415: 5507 then 5600, no warning notes", {0x200010, kJob, kBothEmpty | 0x8003C0 | 0xF000}, 415,
         {5507, 5600}},
        {"508: no 5600 without a job or C 0x800000", {0x200000}, 508, {}},
        {"508: 5600 with C 0x800000", {0x200000, 0, 0, 0, 0x800000}, 508, {5600}},
        {"508: 5507 then 5600", {0x200010, 0, 0xF000, 0, 0x800000}, 508, {5507, 5600}},
        {"210: 5424 and two empty entries", {0x100, kJob, 0x8003C0, 0, 0x1000}, 210, {5424, 0, 0}},
        {"210: 5507 first", {0x110, kJob, 0, 0, 0x1000}, 210, {5507, 5424, 0}},
        {"210: 5507, 5600, 5424", {0x200110, kJob, 0, 0, 0x1000}, 210, {5507, 5600, 5424}},
        {"309: 5424 and two empty entries", {0x200100, 0, kBothEmpty, 0, 0x1000}, 309, {5424, 0, 0}},
        {"309: 5600 with C 0x800000", {0x200100, 0, 0, 0, 0x801000}, 309, {5600, 5424, 0}},
        {"211: 5425 and one empty entry", {0x400110, kJob, 0xF000, 0, 0x1000}, 211, {5425, 0}},
        {"310: 5425 and one empty entry", {0x600100, 0, 0x8003C0, 0, 0x1000}, 310, {5425, 0}},
        {"409 takes no notes", {0x10000, kJob, kBothEmpty | 0xF000}, 409, {5416}},
        {"504 takes no notes", {0x10000, 0, kBothEmpty | 0xF000}, 504, {5434}},
    };
    for (const Row& row : rows) {
        const DisplayState got = mapFields(row.fields);
        EXPECT_EQ(toNumber(got.id), row.id) << "row \"" << row.name << "\": display";
        EXPECT_EQ(toVector(got.messages), row.messages)
            << "row \"" << row.name << "\": expected " << describe(row.messages) << ", got "
            << describe(got.messages);
        EXPECT_LE(got.messages.size(), kMaxMessages) << row.name;
    }
}

// The cases that matter most to users: job pages, jams with the cover open, paper out at the
// other source, the port bit, unknown connection codes, the nearing-replacement note.
TEST(DisplayEdgeCases, KeyCases) {
    const DisplayState pagesUnknown = mapFields({0, kJob, 0, 0, 0, 0, 0});
    EXPECT_EQ(toNumber(pagesUnknown.id), 201u);
    const DisplayState pagesKnown = mapFields({0, kJob, 0, 0, 0, 0, 5});
    EXPECT_EQ(toNumber(pagesKnown.id), 200u);
    EXPECT_EQ(pagesKnown.animation, AnimationMode::WhilePagesAdvance);
    EXPECT_EQ(pagesKnown.frameCount, 5u);

    const DisplayState jamDuringJob = mapFields({0xC00000, kJob, 0, 0, 0, 0x400000});
    EXPECT_EQ(toNumber(jamDuringJob.id), 403u);
    EXPECT_EQ(jamDuringJob.sound, Sound::None);
    const DisplayState jamWithoutJob = mapFields({0xC00000, 0, 0, 0, 0, 0x400000});
    EXPECT_EQ(toNumber(jamWithoutJob.id), 512u);
    EXPECT_EQ(jamWithoutJob.sound, Sound::None);

    EXPECT_EQ(toNumber(mapFields({0x10000, kJob, kTrayEmpty, 1, 0, 0, 3}).id), 200u)
        << "paper out at the tray while the job uses cassette 1";

    EXPECT_EQ(toNumber(mapFields({0xFFFFFFFF, kJob}).id), 100u);
    EXPECT_EQ(toNumber(mapFields({0xFFFFFFFF, 0}).id), 100u);

    const auto code7 = zrt::status::makeConnectionRecord(7);
    EXPECT_EQ(toNumber(mapDisplay(1, code7.data(), code7.size(), 0)->id), 100u);

    const DisplayState nearsReplacement = mapFields({0, kJob, 0x8003C0, 0, 0, 0, 5});
    EXPECT_EQ(toNumber(nearsReplacement.id), 200u);
    EXPECT_EQ(toVector(nearsReplacement.messages), std::vector<std::uint32_t>{5505});
}

TEST(MapDisplay, RequestKindsAndMissingData) {
    const auto record = zrt::presentation::testing::buildRecord({0, kJob, 0, 0, 0, 0, 5});
    const auto connection = zrt::status::makeConnectionRecord(2);
    struct Row {
        const char* name;
        std::uint32_t kind;
        const std::uint8_t* data;
        std::size_t size;
        bool answered;
        std::uint32_t id;
    };
    const Row rows[] = {
        {"status record", 0, record.data(), record.size(), true, 200},
        {"connection record", 1, connection.data(), connection.size(), true, 507},
        {"status kind, no data", 0, nullptr, 0, true, 101},
        {"connection kind, no data", 1, nullptr, 0, true, 101},
        {"connection record of 4 bytes: no code", 1, connection.data(), 4, true, 100},
        {"status record of 0 bytes: all fields 0", 0, record.data(), 0, true, 300},
        {"status record cut before the job status", 0, record.data(), 0x0C, true, 300},
        {"kind 2", 2, record.data(), record.size(), false, 0},
        {"kind 3", 3, record.data(), record.size(), false, 0},
        {"kind 0xFFFFFFFF", 0xFFFFFFFF, record.data(), record.size(), false, 0},
        {"kind 2, no data", 2, nullptr, 0, false, 0},
    };
    for (const Row& row : rows) {
        const auto got = mapDisplay(row.kind, row.data, row.size, 0);
        ASSERT_EQ(got.has_value(), row.answered) << row.name;
        if (got) {
            EXPECT_EQ(toNumber(got->id), row.id) << row.name;
        }
    }
    const DisplayState noData = displayForNoData();
    EXPECT_EQ(toNumber(noData.id), 101u);
    EXPECT_EQ(noData.headline, 5316u);
    EXPECT_EQ(toVector(noData.messages), std::vector<std::uint32_t>{5403});
}

}  // namespace
