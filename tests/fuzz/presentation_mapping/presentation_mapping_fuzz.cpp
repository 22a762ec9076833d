// libFuzzer target: the status record view and the display mapping over arbitrary bytes.
// Input: byte 0 the request kind (0 status, 1 connection, anything else unsupported), bytes
// 1-4 the previous display id (little-endian), the rest the record. The record bytes are copied
// into a block of exactly their size so that any read past it is an AddressSanitizer error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "presentation/core/display_mapping.h"
#include "presentation/core/display_table.h"
#include "statuswindow/record/status_record.h"

namespace {

using namespace zrt::presentation;
namespace offsets = zrt::status::offsets;

void require(bool condition) {
    if (!condition) std::abort();
}

// Touches every accessor of the view; the texts are read to their end.
std::uint32_t exerciseView(const zrt::status::StatusRecordView& view) {
    std::uint32_t sum = 0;
    for (std::size_t offset = 0; offset < offsets::kFixedPartSize + 8; ++offset) sum += view.field(offset);
    for (std::size_t field : {offsets::kComputerName, offsets::kUserName, offsets::kDocumentName}) {
        const std::u16string_view text = view.text(field);
        for (char16_t c : text) sum += c;
        require(text.size() * 2 <= view.size());
    }
    for (std::uint32_t source : {0u, 1u, 2u, 0x3FFFFFFFu, 0xFFFFFFFFu}) sum += view.loadedPaper(source);
    return sum;
}

void checkState(const DisplayState& state) {
    const DisplayRow* row = findDisplayRow(state.id);
    require(row != nullptr);
    require(state.messages.size() <= kMaxMessages);
    require(state.headline == row->headline);
    require(state.frameCount == 0 || state.frameCount == kAnimationFrameCount);
    for (const CommandState& c : state.menu) require(c.state == menu_state::kEnabled || c.state == menu_state::kGrayed);
    for (const CommandState& c : state.toolbar)
        require(c.state == toolbar_state::kDisabled || c.state == toolbar_state::kEnabled ||
                c.state == toolbar_state::kEnabledPressed);
    for (std::uint32_t id : state.messages) require(id == 0 || (id >= 5400 && id <= 5600));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 5) return 0;
    const std::uint32_t kind = input[0];
    std::uint32_t previous = 0;
    std::memcpy(&previous, input + 1, 4);
    const std::size_t recordSize = size - 5;
    std::unique_ptr<std::uint8_t[]> record(new std::uint8_t[recordSize == 0 ? 1 : recordSize]);
    if (recordSize != 0) std::memcpy(record.get(), input + 5, recordSize);

    const zrt::status::StatusRecordView view(record.get(), recordSize);
    volatile std::uint32_t sink = exerciseView(view);
    (void)sink;
    // An odd start address exercises the alignment rule of the texts.
    if (recordSize > 1) (void)exerciseView(zrt::status::StatusRecordView(record.get() + 1, recordSize - 1));

    const auto state = mapDisplay(kind, record.get(), recordSize, previous);
    require(state.has_value() == (kind <= 1));
    if (state) checkState(*state);
    return 0;
}
