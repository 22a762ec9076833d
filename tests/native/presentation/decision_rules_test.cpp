// Every rule of both decision lists, one row each, and precedence pairs: two conditions set at
// once, where the earlier rule must win. Records go through their bytes, so a wrong offset or
// bit fails here too.
#include <gtest/gtest.h>

#include "mapping_test_support.h"

namespace {

using zrt::presentation::testing::Fields;
using zrt::presentation::testing::mapFields;

struct RuleRow {
    const char* name;
    std::uint32_t expected;
    Fields fields;  // {P, J, W, T, C, Jm, total pages, IC}
};

constexpr std::uint32_t kJob = 0x8;  // "Job Status": a job is being printed
constexpr std::uint32_t kCover = 0x400000;
constexpr std::uint32_t kBothEmpty = 0xC0000000;
constexpr std::uint32_t kTrayEmpty = 0x80000000;
constexpr std::uint32_t kCassetteEmpty = 0x40000000;

void checkRows(const RuleRow* rows, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const RuleRow& row = rows[i];
        const auto got = zrt::presentation::toNumber(mapFields(row.fields).id);
        EXPECT_EQ(got, row.expected) << "row \"" << row.name << "\": expected display " << row.expected
                                     << ", got " << got;
    }
}

TEST(DecisionWhilePrinting, EveryRuleAndItsPrecedence) {
    const RuleRow rows[] = {
        // 1. port not supported
        {"P bit 31", 100, {0x80000000, kJob}},
        {"P bit 31 wins over every other bit", 100, {0xFFFFFFFF, kJob, 0xFFFFFFFF, 0, 0xFFFFFFFF, 0xFFFFFFFF, 5}},
        // 2. connection and service errors, in this order
        {"port used by another device", 413, {0x20000000, kJob}},
        {"network board error", 411, {0x10000000, kJob}},
        {"communication error", 400, {0x08000000, kJob}},
        {"incompatible printer", 416, {0x04000000, kJob}},
        {"used by another job", 412, {0x02000000, kJob}},
        {"disk space low", 419, {0x200, kJob}},
        {"service error", 401, {0x01000000, kJob}},
        {"0x20000000 before 0x10000000", 413, {0x30000000, kJob}},
        {"0x10000000 before 0x08000000", 411, {0x18000000, kJob}},
        {"0x08000000 before 0x04000000", 400, {0x0C000000, kJob}},
        {"0x04000000 before 0x02000000", 416, {0x06000000, kJob}},
        {"0x02000000 before disk space 0x200", 412, {0x02000200, kJob}},
        {"disk space 0x200 before service error", 419, {0x01000200, kJob}},
        {"service error before jam", 401, {0x01800000, kJob, 0, 0, 0, 0x400000}},
        // 3. jam
        {"jam at the rear", 404, {0x800000, kJob}},
        {"jam at the rear, cover open", 404, {0x800000 | kCover, kJob}},
        {"jam inside", 402, {0x800000, kJob, 0, 0, 0, 0x400000}},
        {"jam inside, cover open", 403, {0x800000 | kCover, kJob, 0, 0, 0, 0x400000}},
        {"jam inside needs Jm 0x400000, not another bit", 404, {0x800000, kJob, 0, 0, 0, 0x800000}},
        {"jam before toner exchange", 404, {0x800100, kJob, 0, 0, 0xF000}},
        // 4. toner exchange
        {"toner exchange, replaceable (0x1000)", 210, {0x100, kJob, 0, 0, 0x1000}},
        {"toner exchange, replaceable (0x8000)", 210, {0x100, kJob, 0, 0, 0x8000}},
        {"toner exchange, replaceable, cover open", 211, {0x100 | kCover, kJob, 0, 0, 0x2000}},
        {"toner exchange, rotating", 209, {0x100, kJob, 0, 0, 0x0800}},
        {"toner exchange, wrong position", 208, {0x100 | kCover, kJob}},
        {"toner exchange before misplaced", 209, {0x180, kJob}},
        // 5. misplaced
        {"cartridge position differs", 420, {0x80, kJob}},
        {"fixing unit: IC bit 30 only", 421, {0x80, kJob, 0, 0, 0, 0, 0, 0x40000000}},
        {"IC bits 31 and 30: cartridge", 420, {0x80, kJob, 0, 0, 0, 0, 0, 0xC0000000}},
        {"IC bit 31 only: cartridge", 420, {0x80, kJob, 0, 0, 0, 0, 0, 0x80000000}},
        {"misplaced before cover open", 420, {0x80 | kCover, kJob}},
        // 6. printer conditions, in this order
        {"cover open", 406, {kCover, kJob}},
        {"cover open before drum missing", 406, {kCover | 0x200000, kJob}},
        {"drum missing", 415, {0x200000, kJob}},
        {"drum missing before interrupted", 415, {0x208000, kJob}},
        {"printing interrupted", 410, {0x8000, kJob}},
        {"interrupted before toner end of life", 410, {0x8020, kJob}},
        {"toner end of life (0x20)", 417, {0x20, kJob}},
        {"0x20 before 0x40 even with C 0x400000", 417, {0x60, kJob, 0, 0, 0x400000}},
        {"drum end of life", 418, {0x40, kJob, 0, 0, 0x400000}},
        {"0x40 without C 0x400000: toner", 417, {0x40, kJob}},
        {"0x40 before unsuitable toner", 418, {0x50, kJob, 0, 0, 0x400000}},
        {"unsuitable toner", 214, {0x10, kJob}},
        {"unsuitable toner before paper differs", 214, {0x80010, kJob}},
        {"paper differs", 407, {0x80000, kJob}},
        {"0x80000 before 0x40000", 407, {0xC0000, kJob}},
        {"paper differs, cassette", 408, {0x40000, kJob}},
        {"paper differs before paper out", 408, {0x50000, kJob, kBothEmpty}},
        // 7. paper out and the job's source
        {"paper out, both empty, source 1", 409, {0x10000, kJob, kBothEmpty, 1}},
        {"paper out, tray empty, source 0", 409, {0x10000, kJob, kTrayEmpty, 0}},
        {"paper out, cassette empty, source 1", 409, {0x10000, kJob, kCassetteEmpty, 1}},
        {"paper out, tray empty, source 1", 200, {0x10000, kJob, kTrayEmpty, 1}},
        {"paper out, cassette empty, source 0", 200, {0x10000, kJob, kCassetteEmpty, 0}},
        {"paper out, nothing empty, pages unknown", 200, {0x10000, kJob, 0, 0}},
        {"paper out, both empty, source 7", 409, {0x10000, kJob, kBothEmpty, 7}},
        {"paper out, tray empty, source 7", 200, {0x10000, kJob, kTrayEmpty, 7}},
        {"paper out (no source named), tray empty, source 0", 409, {0x20000, kJob, kTrayEmpty, 0}},
        {"paper out (no source named), nothing empty", 200, {0x20000, kJob}},
        {"paper out rule answers 200 before paper reset", 200, {0x110000, kJob}},
        {"paper out before memory low", 409, {0x14000, kJob, kBothEmpty}},
        // 8. waiting
        {"paper to be reset", 215, {0x100000, kJob}},
        {"paper reset before memory low", 215, {0x104000, kJob}},
        {"memory low", 414, {0x4000, kJob}},
        {"memory low before paused", 414, {0x4001, kJob, 0, 0, 0, 0, 3}},
        // 9. paused
        {"paused, page count known", 202, {0x1, kJob, 0, 0, 0, 0, 3}},
        {"paused, page count unknown", 203, {0x1, kJob}},
        {"paused before cleaning page", 203, {0x9, kJob}},
        // 10. cleaning page
        {"cleaning page printing", 212, {0x8, kJob}},
        {"cleaning about to start", 213, {0xC, kJob}},
        {"cleaning page before preparing", 212, {0x1008, kJob}},
        // 11. preparing, being cancelled, cleaning
        {"preparing", 207, {0x1000, kJob}},
        {"preparing before being cancelled", 207, {0x1000, kJob | 0x100}},
        {"being cancelled", 204, {0, kJob | 0x100}},
        {"being cancelled before cleaning", 204, {0x2000, kJob | 0x100}},
        {"cleaning", 206, {0x2000, kJob}},
        // 12. printing
        {"printing, page count known", 200, {0, kJob, 0, 0, 0, 0, 5}},
        {"printing, page count unknown", 201, {0, kJob}},
        {"bit 0x4 alone is no cleaning page", 201, {0x4, kJob}},
        {"bits 0x40000000 and 0x2 choose nothing", 200, {0x40000002, kJob, 0, 0, 0, 0, 1}},
        {"job ended bits do not leave the printing list", 201, {0, kJob | 0x3}},
    };
    checkRows(rows, std::size(rows));
}

TEST(DecisionWithoutJob, EveryRuleAndItsPrecedence) {
    const RuleRow rows[] = {
        // 1. port not supported
        {"P bit 31", 100, {0x80000000}},
        {"P bit 31 wins over every other bit", 100, {0xFFFFFFFF, 0xFFFFFFF7, 0xFFFFFFFF, 0, 0xFFFFFFFF, 0xFFFFFFFF}},
        // 2. connection and service errors, in this order
        {"port used by another device", 507, {0x20000000}},
        {"network board error", 505, {0x10000000}},
        {"communication error", 501, {0x08000000}},
        {"incompatible printer", 500, {0x04000000}},
        {"used by another job", 506, {0x02000000}},
        {"service error", 502, {0x01000000}},
        {"0x20000000 before 0x10000000", 507, {0x30000000}},
        {"0x10000000 before 0x08000000", 505, {0x18000000}},
        {"0x08000000 before 0x04000000", 501, {0x0C000000}},
        {"0x04000000 before 0x02000000", 500, {0x06000000}},
        {"0x02000000 before service error", 506, {0x03000000}},
        {"service error before jam", 502, {0x01800000}},
        {"disk space low is no rule without a job", 300, {0x200}},
        // 3. jam
        {"jam at the rear", 513, {0x800000}},
        {"jam inside", 511, {0x800000, 0, 0, 0, 0, 0x400000}},
        {"jam inside, cover open", 512, {0x800000 | kCover, 0, 0, 0, 0, 0x400000}},
        {"jam at the rear, cover open", 513, {0x800000 | kCover}},
        {"jam before toner exchange", 513, {0x800100, 0, 0, 0, 0xF000}},
        // 4. toner exchange
        {"toner exchange, replaceable", 309, {0x100, 0, 0, 0, 0x4000}},
        {"toner exchange, replaceable, cover open", 310, {0x100 | kCover, 0, 0, 0, 0x1000}},
        {"toner exchange, rotating", 308, {0x100}},
        {"toner exchange, wrong position", 307, {0x100 | kCover}},
        {"toner exchange before misplaced", 308, {0x180}},
        // 5. misplaced
        {"cartridge position differs", 514, {0x80}},
        {"fixing unit", 515, {0x80, 0, 0, 0, 0, 0, 0, 0x40000000}},
        {"IC bits 31 and 30: cartridge", 514, {0x80, 0, 0, 0, 0, 0, 0, 0xC0000000}},
        {"misplaced before cover open", 514, {0x80 | kCover}},
        // 6. printer conditions
        {"cover open", 503, {kCover}},
        {"cover open before drum missing", 503, {kCover | 0x200000}},
        {"drum missing", 508, {0x200000}},
        {"drum missing before toner end of life", 508, {0x200020}},
        {"toner end of life", 509, {0x20}},
        {"0x20 before 0x40", 509, {0x60, 0, 0, 0, 0x400000}},
        {"drum end of life", 510, {0x40, 0, 0, 0, 0x400000}},
        {"0x40 without C 0x400000: toner", 509, {0x40}},
        {"end of life before paper out", 509, {0x10040, 0, kBothEmpty}},
        {"interrupted is no rule without a job", 300, {0x8000}},
        {"unsuitable toner is no rule without a job", 300, {0x10}},
        {"paper differs is no rule without a job", 300, {0xC0000}},
        // 7. paper out and the source
        {"paper out, both empty", 504, {0x10000, 0, kBothEmpty, 1}},
        {"paper out, tray empty, source 0", 504, {0x10000, 0, kTrayEmpty, 0}},
        {"paper out, cassette empty, source 1", 504, {0x10000, 0, kCassetteEmpty, 1}},
        {"paper out, tray empty, source 1", 300, {0x10000, 0, kTrayEmpty, 1}},
        {"paper out, cassette empty, source 0", 300, {0x10000, 0, kCassetteEmpty, 0}},
        {"paper out (no source named), cassette empty, source 1", 504, {0x20000, 0, kCassetteEmpty, 1}},
        {"paper out answers 300 before the cleaning page", 300, {0x10008}},
        {"paper out answers 300 even after a finished job", 300, {0x10000, 0x2}},
        // 8. cleaning page
        {"cleaning page printing", 212, {0x8}},
        {"cleaning about to start", 213, {0xC}},
        {"cleaning page before cleaning", 212, {0x2008}},
        // 9. cleaning, preparing, cancelled
        {"cleaning", 206, {0x2000}},
        {"cleaning before preparing", 206, {0x3000}},
        {"preparing", 306, {0x1000}},
        {"preparing before cancelled", 306, {0x1000, 0x4}},
        {"job cancelled", 302, {0, 0x4}},
        {"cancelled before finished", 302, {0, 0x6}},
        // 10. finished or ready
        {"job finished", 301, {0, 0x2}},
        {"job ended (0x1 and 0x2)", 301, {0, 0x3}},
        {"ready", 300, {0}},
        {"job active (0x1000) but not printing", 300, {0, 0x1000}},
        {"paused without a job is ready", 300, {0x1}},
        {"paper reset without a job is ready", 300, {0x100000}},
        {"memory low without a job is ready", 300, {0x4000}},
        {"being cancelled without bit 0x8 is ready", 300, {0, 0x100}},
    };
    checkRows(rows, std::size(rows));
}

TEST(DecisionConnection, CodesAndMissingCode) {
    struct Row {
        const char* name;
        std::uint32_t code;
        std::uint32_t expected;
    };
    const Row rows[] = {
        {"port not supported", 0, 100}, {"status being acquired", 1, 101}, {"port in use", 2, 507},
        {"print server error", 3, 102}, {"unknown code 4", 4, 100},      {"unknown code 7", 7, 100},
        {"unknown code 0xFFFFFFFF", 0xFFFFFFFF, 100},
    };
    for (const Row& row : rows) {
        const auto bytes = zrt::status::makeConnectionRecord(row.code);
        const auto state = zrt::presentation::mapDisplay(1, bytes.data(), bytes.size(), 0);
        ASSERT_TRUE(state.has_value()) << row.name;
        EXPECT_EQ(zrt::presentation::toNumber(state->id), row.expected)
            << "row \"" << row.name << "\": expected " << row.expected;
    }
}

}  // namespace
