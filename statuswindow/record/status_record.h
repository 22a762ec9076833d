// Read-only, bounds-checked views of the records the status-monitor library delivers. A view
// never copies and never reads outside [data, data + size); what a damaged record yields:
//
// - A 32-bit field that does not lie wholly inside the data reads as 0 (a short record is a
//   record whose missing fields are 0).
// - A wide text yields empty text when its offset field is 0 or missing, when the offset points
//   outside the data, when data + offset is not aligned for 16-bit characters (an odd address
//   cannot be viewed as UTF-16 in place), or when no NUL character follows inside the data.
//   Otherwise it is the characters up to, not including, that NUL.
// - A loaded-paper entry yields kUnknownPaperCode, a code in no paper table, when the table
//   offset is 0 or missing or the entry does not lie wholly inside the data.
// - A connection record shorter than its code field has no code: code() is
//   kUnknownConnectionCode, which maps like any unknown code.
//
// The views hold the caller's pointer: the data must outlive them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "statuswindow/record/status_record_layout.h"

namespace zrt::status {

// Paper code of a loaded-paper entry that is not in the delivered data.
inline constexpr std::uint32_t kUnknownPaperCode = 0xFFFFFFFF;
// Connection code of a connection record too short to hold one.
inline constexpr std::uint32_t kUnknownConnectionCode = 0xFFFFFFFF;

// Little-endian 32-bit value at offset, or 0 when it does not lie wholly inside the data.
std::uint32_t readField(const std::uint8_t* data, std::size_t size, std::size_t offset) noexcept;

class StatusRecordView {
public:
    StatusRecordView(const std::uint8_t* data, std::size_t size) noexcept
        : data_(data), size_(data != nullptr ? size : 0) {}

    const std::uint8_t* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }

    // Any 32-bit field by byte offset (see offsets::); 0 when outside the data.
    std::uint32_t field(std::size_t offset) const noexcept { return readField(data_, size_, offset); }

    std::uint32_t printerStatus() const noexcept { return field(offsets::kPrinterStatus); }
    std::uint32_t serviceCallStatus() const noexcept { return field(offsets::kServiceCallStatus); }
    std::uint32_t jobStatus() const noexcept { return field(offsets::kJobStatus); }
    std::uint32_t warningStatus() const noexcept { return field(offsets::kWarningStatus); }
    std::uint32_t cartridgeStatus() const noexcept { return field(offsets::kCartridgeStatus); }
    std::uint32_t jamStatus() const noexcept { return field(offsets::kJamStatus); }
    std::uint32_t paperSource() const noexcept { return field(offsets::kPaperSource); }
    std::uint32_t loadedPaperTableOffset() const noexcept { return field(offsets::kLoadedPaperTable); }
    std::uint32_t jobId() const noexcept { return field(offsets::kJobId); }
    std::uint32_t totalPages() const noexcept { return field(offsets::kTotalPages); }
    std::uint32_t currentPage() const noexcept { return field(offsets::kCurrentPage); }
    std::uint32_t pagesPrinted() const noexcept { return field(offsets::kPagesPrinted); }
    std::uint32_t printingPhase() const noexcept { return field(offsets::kPrintingPhase); }
    std::uint32_t requestedPaper() const noexcept { return field(offsets::kRequestedPaper); }
    std::uint32_t computerNameOffset() const noexcept { return field(offsets::kComputerName); }
    std::uint32_t userNameOffset() const noexcept { return field(offsets::kUserName); }
    std::uint32_t documentNameOffset() const noexcept { return field(offsets::kDocumentName); }
    std::uint32_t illegalConnection() const noexcept { return field(offsets::kIllegalConnection); }

    // Wide text whose offset is held in the field at offsetField; empty when unusable.
    std::u16string_view text(std::size_t offsetField) const noexcept;
    std::u16string_view computerName() const noexcept { return text(offsets::kComputerName); }
    std::u16string_view userName() const noexcept { return text(offsets::kUserName); }
    std::u16string_view documentName() const noexcept { return text(offsets::kDocumentName); }

    // Paper code loaded at a source (0 tray, 1 cassette 1, ...); kUnknownPaperCode when the
    // entry is not inside the data.
    std::uint32_t loadedPaper(std::uint32_t source) const noexcept;
    std::uint32_t loadedPaper(PaperSource source) const noexcept {
        return loadedPaper(static_cast<std::uint32_t>(source));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// A connection record: no status available, only a connection code (ConnectionCode).
class ConnectionRecordView {
public:
    ConnectionRecordView(const std::uint8_t* data, std::size_t size) noexcept
        : data_(data), size_(data != nullptr ? size : 0) {}

    bool hasCode() const noexcept { return size_ >= kConnectionCodeOffset + 4; }
    // The code, or kUnknownConnectionCode when the record is too short.
    std::uint32_t code() const noexcept {
        return hasCode() ? readField(data_, size_, kConnectionCodeOffset) : kUnknownConnectionCode;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace zrt::status
