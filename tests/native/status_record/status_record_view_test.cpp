// The status record view: fields, texts and the loaded-paper table over well-formed and damaged
// records; nothing may be read outside the data (the tests also run under the sanitizers).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "statuswindow/record/status_record.h"
#include "statuswindow/record/status_record_builder.h"

namespace {

using zrt::status::ConnectionRecordView;
using zrt::status::kUnknownConnectionCode;
using zrt::status::kUnknownPaperCode;
using zrt::status::PaperSource;
using zrt::status::StatusRecordBuilder;
using zrt::status::StatusRecordView;
namespace offsets = zrt::status::offsets;

// Copies bytes into a heap block of exactly that size, so that reading one byte past it is a
// sanitizer error instead of a silent read of vector capacity.
class ExactBlock {
public:
    explicit ExactBlock(const std::vector<std::uint8_t>& bytes)
        : size_(bytes.size()), data_(new std::uint8_t[bytes.size() == 0 ? 1 : bytes.size()]) {
        if (!bytes.empty()) std::memcpy(data_.get(), bytes.data(), bytes.size());
    }
    StatusRecordView view() const { return StatusRecordView(data_.get(), size_); }
    std::uint8_t* data() { return data_.get(); }
    std::size_t size() const { return size_; }

private:
    std::size_t size_;
    std::unique_ptr<std::uint8_t[]> data_;
};

std::vector<std::uint8_t> truncated(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// Offsets written out as the record's documented layout, independent of the layout header.
TEST(StatusRecordView, ReadsEveryFieldLittleEndianAtItsOffset) {
    struct Row {
        const char* name;
        std::size_t offset;
        std::uint32_t (StatusRecordView::*get)() const noexcept;
    };
    const Row rows[] = {
        {"Printer Status", 0x04, &StatusRecordView::printerStatus},
        {"Service Call Status", 0x08, &StatusRecordView::serviceCallStatus},
        {"Job Status", 0x0C, &StatusRecordView::jobStatus},
        {"Warning Status", 0x10, &StatusRecordView::warningStatus},
        {"Cartridge Status", 0x14, &StatusRecordView::cartridgeStatus},
        {"Jam Status", 0x18, &StatusRecordView::jamStatus},
        {"paper source", 0x28, &StatusRecordView::paperSource},
        {"paper table offset", 0x34, &StatusRecordView::loadedPaperTableOffset},
        {"JobID", 0x3C, &StatusRecordView::jobId},
        {"total pages", 0x40, &StatusRecordView::totalPages},
        {"current page", 0x44, &StatusRecordView::currentPage},
        {"pages printed", 0x48, &StatusRecordView::pagesPrinted},
        {"Printing Phase", 0x4C, &StatusRecordView::printingPhase},
        {"requested paper", 0x5C, &StatusRecordView::requestedPaper},
        {"computer name offset", 0x64, &StatusRecordView::computerNameOffset},
        {"user name offset", 0x68, &StatusRecordView::userNameOffset},
        {"document name offset", 0x6C, &StatusRecordView::documentNameOffset},
        {"IllegalConnection", 0x7C, &StatusRecordView::illegalConnection},
    };
    for (const Row& row : rows) {
        // A distinct byte pattern per field shows a wrong offset or byte order.
        std::vector<std::uint8_t> bytes(offsets::kFixedPartSize, 0xEE);
        bytes[row.offset + 0] = 0x11;
        bytes[row.offset + 1] = 0x22;
        bytes[row.offset + 2] = 0x33;
        bytes[row.offset + 3] = 0x84;
        ExactBlock block(bytes);
        const std::uint32_t got = (block.view().*row.get)();
        EXPECT_EQ(got, 0x84332211u) << "field " << row.name << " at 0x" << std::hex << row.offset;
    }
}

TEST(StatusRecordView, FieldsPastTheEndReadAsZero) {
    const auto full = StatusRecordBuilder().printerStatus(0x01020304).jobStatus(0x8).totalPages(9).build();
    struct Row {
        const char* name;
        std::size_t size;
        std::uint32_t printer;
        std::uint32_t job;
        std::uint32_t total;
    };
    const Row rows[] = {
        {"empty record", 0, 0, 0, 0},
        {"only field 0", 4, 0, 0, 0},
        {"printer status cut after 3 bytes", 7, 0, 0, 0},
        {"printer status complete", 8, 0x01020304, 0, 0},
        {"job status cut", 0x0F, 0x01020304, 0, 0},
        {"odd size up to job status", 0x11, 0x01020304, 0x8, 0},
        {"total pages cut", 0x43, 0x01020304, 0x8, 0},
        {"total pages complete", 0x44, 0x01020304, 0x8, 9},
    };
    for (const Row& row : rows) {
        ExactBlock block(truncated(full, row.size));
        const StatusRecordView v = block.view();
        EXPECT_EQ(v.printerStatus(), row.printer) << row.name;
        EXPECT_EQ(v.jobStatus(), row.job) << row.name;
        EXPECT_EQ(v.totalPages(), row.total) << row.name;
        EXPECT_EQ(v.illegalConnection(), 0u) << row.name;
    }
}

TEST(StatusRecordView, FieldAtHugeOffsetReadsZero) {
    ExactBlock block(StatusRecordBuilder().build());
    const StatusRecordView v = block.view();
    EXPECT_EQ(v.field(0xFFFFFFFFu), 0u);
    EXPECT_EQ(v.field(SIZE_MAX), 0u);
    EXPECT_EQ(v.field(SIZE_MAX - 2), 0u);
    EXPECT_EQ(v.field(block.size() - 3), 0u);
}

TEST(StatusRecordView, NullDataIsAnEmptyRecord) {
    const StatusRecordView v(nullptr, 4096);
    EXPECT_EQ(v.size(), 0u);
    EXPECT_EQ(v.printerStatus(), 0u);
    EXPECT_TRUE(v.documentName().empty());
    EXPECT_EQ(v.loadedPaper(PaperSource::Cassette1), kUnknownPaperCode);
}

TEST(StatusRecordView, ReadsTheThreeTexts) {
    ExactBlock block(StatusRecordBuilder()
                         .computerName(u"\\\\SERVER")
                         .userName(u"\u5C71\u7530")
                         .documentName(u"report.doc")
                         .build());
    const StatusRecordView v = block.view();
    EXPECT_EQ(std::u16string(v.computerName()), u"\\\\SERVER");
    EXPECT_EQ(std::u16string(v.userName()), u"\u5C71\u7530");
    EXPECT_EQ(std::u16string(v.documentName()), u"report.doc");
}

TEST(StatusRecordView, DamagedTextsAreEmpty) {
    const auto good = StatusRecordBuilder().documentName(u"abc").build();
    const std::size_t textAt = good.size() - 8;  // "abc" and its terminator end the record
    struct Row {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::u16string expected;
    };
    auto withOffset = [&](std::uint32_t offset) {
        auto b = good;
        zrt::status::putField(b, offsets::kDocumentName, offset);
        return b;
    };
    const Row rows[] = {
        {"well-formed", good, u"abc"},
        {"offset 0 means no text", withOffset(0), u""},
        {"offset at the end", withOffset(static_cast<std::uint32_t>(good.size())), u""},
        {"offset past the end", withOffset(static_cast<std::uint32_t>(good.size() + 2)), u""},
        {"offset 0xFFFFFFFF", withOffset(0xFFFFFFFFu), u""},
        {"offset 0x80000000", withOffset(0x80000000u), u""},
        {"odd offset", withOffset(static_cast<std::uint32_t>(textAt + 1)), u""},
        {"terminator cut off", truncated(good, good.size() - 2), u""},
        {"half a terminator", truncated(good, good.size() - 1), u""},
        {"text cut in a character", truncated(good, good.size() - 3), u""},
        {"offset field itself cut off", truncated(good, offsets::kDocumentName + 2), u""},
        {"offset on the terminator", withOffset(static_cast<std::uint32_t>(good.size() - 2)), u""},
        {"offset into the text", withOffset(static_cast<std::uint32_t>(textAt + 2)), u"bc"},
    };
    for (const Row& row : rows) {
        ExactBlock block(row.bytes);
        EXPECT_EQ(std::u16string(block.view().documentName()), row.expected) << row.name;
    }
}

TEST(StatusRecordView, TextWithoutTerminatorInsideTheDataIsEmptyEvenIfMemoryFollows) {
    // The bytes after the view's size hold a terminator: the view must not use it.
    auto bytes = StatusRecordBuilder().documentName(u"abc").build();
    ExactBlock block(bytes);
    const StatusRecordView shortened(block.data(), block.size() - 2);
    EXPECT_TRUE(shortened.documentName().empty());
}

TEST(StatusRecordView, ReadsTheLoadedPaperTable) {
    ExactBlock block(StatusRecordBuilder().loadedPaper(9, 43).build());
    const StatusRecordView v = block.view();
    EXPECT_EQ(v.loadedPaper(PaperSource::MultiPurposeTray), 9u);
    EXPECT_EQ(v.loadedPaper(PaperSource::Cassette1), 43u);
    EXPECT_EQ(v.loadedPaper(2u), kUnknownPaperCode) << "the table ends the record";
    EXPECT_EQ(v.loadedPaper(0xFFFFFFFFu), kUnknownPaperCode);
}

TEST(StatusRecordView, DamagedPaperTableYieldsUnknownCode) {
    const auto good = StatusRecordBuilder().loadedPaper(9, 43).build();  // table ends the record
    const std::size_t table = good.size() - 8;
    struct Row {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::uint32_t tray;
        std::uint32_t cassette;
    };
    auto withOffset = [&](std::uint32_t offset) {
        auto b = good;
        zrt::status::putField(b, offsets::kLoadedPaperTable, offset);
        return b;
    };
    const Row rows[] = {
        {"table at the very end", good, 9, 43},
        {"cassette entry cut by one byte", truncated(good, good.size() - 1), 9, kUnknownPaperCode},
        {"cassette entry missing", truncated(good, good.size() - 4), 9, kUnknownPaperCode},
        {"both entries missing", truncated(good, table), kUnknownPaperCode, kUnknownPaperCode},
        {"offset 0", withOffset(0), kUnknownPaperCode, kUnknownPaperCode},
        {"offset at the end", withOffset(static_cast<std::uint32_t>(good.size())), kUnknownPaperCode,
         kUnknownPaperCode},
        {"offset 0xFFFFFFFF", withOffset(0xFFFFFFFFu), kUnknownPaperCode, kUnknownPaperCode},
        {"offset 0xFFFFFFFC", withOffset(0xFFFFFFFCu), kUnknownPaperCode, kUnknownPaperCode},
        {"offset 4 bytes before the end", withOffset(static_cast<std::uint32_t>(good.size() - 4)), 43,
         kUnknownPaperCode},
        {"odd offset inside", withOffset(static_cast<std::uint32_t>(table + 1)), 0x2B000000u, kUnknownPaperCode},
        {"table offset field cut off", truncated(good, offsets::kLoadedPaperTable + 3), kUnknownPaperCode,
         kUnknownPaperCode},
    };
    for (const Row& row : rows) {
        ExactBlock block(row.bytes);
        const StatusRecordView v = block.view();
        EXPECT_EQ(v.loadedPaper(PaperSource::MultiPurposeTray), row.tray) << row.name << " (tray)";
        EXPECT_EQ(v.loadedPaper(PaperSource::Cassette1), row.cassette) << row.name << " (cassette 1)";
    }
}

TEST(ConnectionRecordView, ReadsTheCodeOrReportsItMissing) {
    struct Row {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool hasCode;
        std::uint32_t code;
    };
    const auto full = zrt::status::makeConnectionRecord(3);
    const Row rows[] = {
        {"complete record", full, true, 3},
        {"longer record", [&] { auto b = full; b.resize(32, 0xAB); return b; }(), true, 3},
        {"code cut by one byte", truncated(full, 7), false, kUnknownConnectionCode},
        {"only the first field", truncated(full, 4), false, kUnknownConnectionCode},
        {"empty", {}, false, kUnknownConnectionCode},
    };
    for (const Row& row : rows) {
        ExactBlock block(row.bytes);
        const ConnectionRecordView v(block.data(), block.size());
        EXPECT_EQ(v.hasCode(), row.hasCode) << row.name;
        EXPECT_EQ(v.code(), row.code) << row.name;
    }
    EXPECT_EQ(ConnectionRecordView(nullptr, 8).code(), kUnknownConnectionCode) << "null data";
}

TEST(StatusRecordBuilder, ExplicitFieldWinsOverTheLaidOutOffset) {
    const auto bytes = StatusRecordBuilder().documentName(u"x").field(offsets::kDocumentName, 0x1234).build();
    ExactBlock block(bytes);
    EXPECT_EQ(block.view().documentNameOffset(), 0x1234u);
    EXPECT_TRUE(block.view().documentName().empty());
}

TEST(StatusRecordBuilder, FieldBeyondTheFixedPartGrowsTheRecordBeforeTheTexts) {
    const auto bytes = StatusRecordBuilder().field(0x100, 7).userName(u"u").build();
    ExactBlock block(bytes);
    EXPECT_EQ(block.view().field(0x100), 7u);
    EXPECT_EQ(std::u16string(block.view().userName()), u"u");
    EXPECT_GE(block.view().userNameOffset(), 0x104u);
}

}  // namespace
