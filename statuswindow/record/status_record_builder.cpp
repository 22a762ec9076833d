#include "statuswindow/record/status_record_builder.h"

namespace zrt::status {

void putField(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
    if (block.size() < offset + 4) block.resize(offset + 4, 0);
    for (std::size_t i = 0; i < 4; ++i)
        block[offset + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
}

StatusRecordBuilder& StatusRecordBuilder::field(std::size_t offset, std::uint32_t value) {
    fields_.emplace_back(offset, value);
    return *this;
}

StatusRecordBuilder& StatusRecordBuilder::setText(std::size_t offsetField, std::u16string_view text) {
    for (Text& t : texts_) {
        if (t.offsetField == offsetField) {
            t.value = std::u16string(text);
            return *this;
        }
    }
    texts_.push_back(Text{offsetField, std::u16string(text)});
    return *this;
}

StatusRecordBuilder& StatusRecordBuilder::computerName(std::u16string_view text) {
    return setText(offsets::kComputerName, text);
}
StatusRecordBuilder& StatusRecordBuilder::userName(std::u16string_view text) {
    return setText(offsets::kUserName, text);
}
StatusRecordBuilder& StatusRecordBuilder::documentName(std::u16string_view text) {
    return setText(offsets::kDocumentName, text);
}

StatusRecordBuilder& StatusRecordBuilder::loadedPaper(std::uint32_t trayCode, std::uint32_t cassette1Code) {
    hasPaperTable_ = true;
    paper_[0] = trayCode;
    paper_[1] = cassette1Code;
    return *this;
}

std::vector<std::uint8_t> StatusRecordBuilder::build() const {
    std::vector<std::uint8_t> block(offsets::kFixedPartSize, 0);
    for (const auto& f : fields_)
        if (block.size() < f.first + 4) block.resize(f.first + 4, 0);
    if (block.size() % 2 != 0) block.push_back(0);

    if (hasPaperTable_) {
        const std::size_t table = block.size();
        putField(block, offsets::kLoadedPaperTable, static_cast<std::uint32_t>(table));
        for (std::size_t i = 0; i < kLoadedPaperSourceCount; ++i)
            putField(block, table + i * kLoadedPaperEntrySize, paper_[i]);
    }
    for (const Text& t : texts_) {
        const std::size_t at = block.size();
        putField(block, t.offsetField, static_cast<std::uint32_t>(at));
        for (char16_t c : t.value) {
            block.push_back(static_cast<std::uint8_t>(c & 0xFFu));
            block.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFFu));
        }
        block.push_back(0);
        block.push_back(0);
    }
    for (const auto& f : fields_) putField(block, f.first, f.second);
    return block;
}

std::vector<std::uint8_t> makeConnectionRecord(std::uint32_t code) {
    std::vector<std::uint8_t> block(kConnectionRecordSize, 0);
    putField(block, kConnectionCodeOffset, code);
    return block;
}

}  // namespace zrt::status
