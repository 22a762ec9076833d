#include "statuswindow/record/status_record.h"

namespace zrt::status {

namespace {

// True when [offset, offset + length) lies inside a block of size bytes; no overflow.
bool inside(std::size_t size, std::size_t offset, std::size_t length) noexcept {
    return offset <= size && length <= size - offset;
}

std::uint16_t readUnit(const std::uint8_t* at) noexcept {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

}  // namespace

std::uint32_t readField(const std::uint8_t* data, std::size_t size, std::size_t offset) noexcept {
    if (data == nullptr || !inside(size, offset, 4)) return 0;
    const std::uint8_t* at = data + offset;
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

std::u16string_view StatusRecordView::text(std::size_t offsetField) const noexcept {
    const std::size_t offset = field(offsetField);
    if (offset == 0 || offset >= size_) return {};
    const std::uint8_t* start = data_ + offset;
    // The characters are viewed in place, so they must sit at a 16-bit boundary.
    if (reinterpret_cast<std::uintptr_t>(start) % alignof(char16_t) != 0) return {};
    const std::size_t available = (size_ - offset) / 2;
    for (std::size_t n = 0; n < available; ++n) {
        if (readUnit(start + 2 * n) == 0)
            return std::u16string_view(reinterpret_cast<const char16_t*>(start), n);
    }
    return {};  // no terminator inside the data
}

std::uint32_t StatusRecordView::loadedPaper(std::uint32_t source) const noexcept {
    const std::size_t table = loadedPaperTableOffset();
    if (table == 0 || table > size_) return kUnknownPaperCode;
    // Entry source lies inside when (size - table) / entry size > source.
    if ((size_ - table) / kLoadedPaperEntrySize <= source) return kUnknownPaperCode;
    return field(table + static_cast<std::size_t>(source) * kLoadedPaperEntrySize);
}

}  // namespace zrt::status
