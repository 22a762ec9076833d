#include "presentation/core/display_mapping.h"

#include "presentation/core/display_table.h"

namespace zrt::presentation {

namespace {

namespace ps = status::printer_status;
namespace js = status::job_status;
namespace ws = status::warning_status;

// Message string ids added by the record.
namespace note {
constexpr std::uint32_t kUsedToner = 5507;             // unsuitable or used toner cartridge
constexpr std::uint32_t kSetDrum = 5600;               // open the cover and set the drum
constexpr std::uint32_t kAddPaper = 5434;              // add paper (both sources empty)
constexpr std::uint32_t kCassetteEmpty = 5501;         // cassette 1 has no paper
constexpr std::uint32_t kCartridgeNearsEnd = 5505;     // a cartridge nears replacement
constexpr std::uint32_t kTonerToReplace = 5506;        // toner cartridges to be replaced
}  // namespace note
constexpr std::uint32_t kReplaceTonerMessage = 5424;      // own message of 210 and 309
constexpr std::uint32_t kCloseCoverMessage = 5425;        // own message of 211 and 310
constexpr std::uint32_t kPaperOutNoSourceMessage = 5434;  // 409 when the source is not named
// Message count of the toner-exchange displays 210 and 309, empty entries included.
constexpr std::size_t kTonerExchangeMessageCount = 3;
// Printer status bits that do not count for the "add paper" note.
constexpr std::uint32_t kAddPaperQuietBits = 0x4209;
// "Cartridge Status" bit that asks for the drum note without a job.
constexpr std::uint32_t kCartridgeDrumNote = 0x00800000;

bool in(DisplayId id, DisplayId first, DisplayId last) noexcept {
    return toNumber(id) >= toNumber(first) && toNumber(id) <= toNumber(last);
}

// Displays that carry every supplementary note.
bool takesAllNotes(DisplayId id) noexcept {
    return in(id, DisplayId::Printing, DisplayId::BeingCancelled) || id == DisplayId::Cleaning ||
           in(id, DisplayId::CleaningPagePrinting, DisplayId::WaitingPaperReset) ||
           in(id, DisplayId::Ready, DisplayId::JobCancelled);
}

// Displays that carry only the toner and drum notes.
bool takesCartridgeNotes(DisplayId id) noexcept {
    return id == DisplayId::JobDrumMissing || id == DisplayId::DrumMissing;
}

void addCartridgeNotes(MessageList& list, const StatusFacts& f) noexcept {
    if ((f.printer & ps::kUnsuitableToner) != 0) list.push(note::kUsedToner);
    if ((f.printer & ps::kDrumMissing) != 0 &&
        ((f.job & js::kPrinting) != 0 || (f.cartridge & kCartridgeDrumNote) != 0))
        list.push(note::kSetDrum);
}

void addPaperAndTonerNotes(MessageList& list, const StatusFacts& f) noexcept {
    const bool trayEmpty = (f.warning & ws::kTrayEmpty) != 0;
    const bool cassetteEmpty = (f.warning & ws::kCassette1Empty) != 0;
    if (trayEmpty && cassetteEmpty && (f.printer & ~kAddPaperQuietBits) != 0)
        list.push(note::kAddPaper);
    else if (cassetteEmpty)
        list.push(note::kCassetteEmpty);
    if ((f.warning & ws::kCartridgeNearsReplacement) != 0) list.push(note::kCartridgeNearsEnd);
    if ((f.warning & ws::kTonerToReplace) != 0) list.push(note::kTonerToReplace);
}

void fillMessages(DisplayState& state, const StatusFacts& f) noexcept {
    MessageList& list = state.messages;
    switch (state.id) {
        case DisplayId::TonerExchangeReplaceable:
        case DisplayId::IdleTonerExchangeReplaceable:
            list.clear();
            addCartridgeNotes(list, f);
            list.push(kReplaceTonerMessage);
            while (list.size() < kTonerExchangeMessageCount) list.push(text_record::kEmptyStringId);
            return;
        case DisplayId::TonerExchangeReplaceableCoverOpen:
        case DisplayId::IdleTonerExchangeReplaceableCoverOpen:
            list.clear();
            list.push(kCloseCoverMessage);
            list.push(text_record::kEmptyStringId);
            return;
        default:
            break;
    }
    if (takesAllNotes(state.id)) {
        addCartridgeNotes(list, f);
        addPaperAndTonerNotes(list, f);
    } else if (takesCartridgeNotes(state.id)) {
        addCartridgeNotes(list, f);
    }
}

void applyVariants(DisplayState& state, const StatusFacts& f, std::uint32_t previousId) noexcept {
    switch (state.id) {
        case DisplayId::CleaningAboutToStart:
            if ((f.warning & ws::kTrayEmpty) != 0) {
                state.menu = {{{command::kPause, menu_state::kGrayed},
                               {command::kResume, menu_state::kGrayed},
                               {command::kCancel, menu_state::kEnabled}}};
                state.toolbar = {{{command::kPause, toolbar_state::kEnabledPressed},
                                  {command::kResume, toolbar_state::kDisabled},
                                  {command::kCancel, toolbar_state::kEnabled}}};
            }
            break;
        case DisplayId::JobFinished:
            if (previousId >= toNumber(DisplayId::Printing) && previousId <= toNumber(DisplayId::BeingCancelled))
                state.sound = Sound::PrintComplete;
            break;
        case DisplayId::JobPaperOut:
            if ((f.printer & ps::kPaperOutNoSource) != 0) {
                state.messages.clear();
                state.messages.push(kPaperOutNoSourceMessage);
            }
            break;
        default:
            break;
    }
}

}  // namespace

DisplayState displayForRow(DisplayId id) noexcept {
    const DisplayRow* row = findDisplayRow(id);
    if (row == nullptr) row = findDisplayRow(DisplayId::StatusBeingAcquired);
    DisplayState state;
    state.id = row->id;
    state.headline = row->headline;
    if (row->message != 0) state.messages.push(row->message);
    state.icon = row->icon;
    state.background = row->background;
    state.picture = row->picture;
    state.animation = row->animation;
    state.frameCount = row->animation != AnimationMode::None ? static_cast<std::uint32_t>(kAnimationFrameCount) : 0;
    state.pagesText = row->pagesText;
    state.sound = row->sound;
    state.menu = row->menu;
    state.toolbar = row->toolbar;
    return state;
}

DisplayState displayForFacts(const StatusFacts& facts, std::uint32_t previousId) noexcept {
    DisplayState state = displayForRow(decideDisplayId(facts));
    fillMessages(state, facts);
    applyVariants(state, facts, previousId);
    return state;
}

DisplayState displayForStatus(const status::StatusRecordView& record, std::uint32_t previousId) noexcept {
    return displayForFacts(statusFacts(record), previousId);
}

DisplayState displayForConnection(const status::ConnectionRecordView& record) noexcept {
    return displayForRow(displayIdForConnectionCode(record.code()));
}

DisplayState displayForNoData() noexcept { return displayForRow(DisplayId::StatusBeingAcquired); }

std::optional<DisplayState> mapDisplay(std::uint32_t kind, const std::uint8_t* data, std::size_t size,
                                       std::uint32_t previousId) noexcept {
    const auto request = static_cast<DisplayRequestKind>(kind);
    if (request != DisplayRequestKind::StatusRecord && request != DisplayRequestKind::ConnectionRecord)
        return std::nullopt;
    if (data == nullptr) return displayForNoData();
    if (request == DisplayRequestKind::ConnectionRecord)
        return displayForConnection(status::ConnectionRecordView(data, size));
    return displayForStatus(status::StatusRecordView(data, size), previousId);
}

}  // namespace zrt::presentation
