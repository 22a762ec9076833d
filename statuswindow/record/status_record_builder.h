// Builds status and connection records the way the status-monitor library delivers them, for
// tests and for the test stand-in of that library. Not shipped.
//
// build() lays out the fixed part (offsets::kFixedPartSize bytes, or more when a field beyond
// it was set), then the loaded-paper table (when set), then the texts, each NUL-terminated and
// starting at an even offset, and writes their offsets into the offset fields. Fields set with
// field() are written last, so a test can point an offset anywhere it likes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "statuswindow/record/status_record_layout.h"

namespace zrt::status {

class StatusRecordBuilder {
public:
    // Any 32-bit field by byte offset; written after the layout, so it wins.
    StatusRecordBuilder& field(std::size_t offset, std::uint32_t value);

    StatusRecordBuilder& printerStatus(std::uint32_t v) { return field(offsets::kPrinterStatus, v); }
    StatusRecordBuilder& serviceCallStatus(std::uint32_t v) { return field(offsets::kServiceCallStatus, v); }
    StatusRecordBuilder& jobStatus(std::uint32_t v) { return field(offsets::kJobStatus, v); }
    StatusRecordBuilder& warningStatus(std::uint32_t v) { return field(offsets::kWarningStatus, v); }
    StatusRecordBuilder& cartridgeStatus(std::uint32_t v) { return field(offsets::kCartridgeStatus, v); }
    StatusRecordBuilder& jamStatus(std::uint32_t v) { return field(offsets::kJamStatus, v); }
    StatusRecordBuilder& paperSource(std::uint32_t v) { return field(offsets::kPaperSource, v); }
    StatusRecordBuilder& jobId(std::uint32_t v) { return field(offsets::kJobId, v); }
    StatusRecordBuilder& totalPages(std::uint32_t v) { return field(offsets::kTotalPages, v); }
    StatusRecordBuilder& currentPage(std::uint32_t v) { return field(offsets::kCurrentPage, v); }
    StatusRecordBuilder& pagesPrinted(std::uint32_t v) { return field(offsets::kPagesPrinted, v); }
    StatusRecordBuilder& printingPhase(std::uint32_t v) { return field(offsets::kPrintingPhase, v); }
    StatusRecordBuilder& requestedPaper(std::uint32_t v) { return field(offsets::kRequestedPaper, v); }
    StatusRecordBuilder& illegalConnection(std::uint32_t v) { return field(offsets::kIllegalConnection, v); }

    // Texts placed after the fixed part; their offset fields are filled by build().
    StatusRecordBuilder& computerName(std::u16string_view text);
    StatusRecordBuilder& userName(std::u16string_view text);
    StatusRecordBuilder& documentName(std::u16string_view text);

    // The loaded-paper table: paper codes of the tray and of cassette 1.
    StatusRecordBuilder& loadedPaper(std::uint32_t trayCode, std::uint32_t cassette1Code);

    std::vector<std::uint8_t> build() const;

private:
    struct Text {
        std::size_t offsetField;
        std::u16string value;
    };
    StatusRecordBuilder& setText(std::size_t offsetField, std::u16string_view text);

    std::vector<std::pair<std::size_t, std::uint32_t>> fields_;
    std::vector<Text> texts_;
    bool hasPaperTable_ = false;
    std::uint32_t paper_[kLoadedPaperSourceCount] = {};
};

// Writes a little-endian 32-bit value at offset, growing the block when needed.
void putField(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value);

// A connection record of kConnectionRecordSize bytes holding code.
std::vector<std::uint8_t> makeConnectionRecord(std::uint32_t code);

}  // namespace zrt::status
