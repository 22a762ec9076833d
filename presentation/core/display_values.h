// Fixed numbers of the display record that the presentation library fills and the status
// window reads: display ids, job commands and their states, backgrounds, animation modes and
// frames, pages-text values, sounds and the text record defaults. Portable: no Win32 types.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zrt::presentation {

// Kind argument of PSM_GetPSWDisplay: what its data pointer holds.
enum class DisplayRequestKind : std::uint32_t {
    StatusRecord = 0,      // a status record
    ConnectionRecord = 1,  // a connection record (no status available)
};

// The display states. Ids 1xx: no status; 2xx/3xx: normal, with and without a job printing;
// 4xx/5xx: errors, with and without a job printing.
enum class DisplayId : std::uint32_t {
    PortNotSupported = 100,
    StatusBeingAcquired = 101,
    PrintServerError = 102,

    Printing = 200,
    PrintingPageCountUnknown = 201,
    Paused = 202,
    PausedPageCountUnknown = 203,
    BeingCancelled = 204,
    Cleaning = 206,
    Preparing = 207,
    TonerExchangeWrongPosition = 208,
    TonerExchangeRotating = 209,
    TonerExchangeReplaceable = 210,
    TonerExchangeReplaceableCoverOpen = 211,
    CleaningPagePrinting = 212,
    CleaningAboutToStart = 213,
    WaitingUnsuitableToner = 214,
    WaitingPaperReset = 215,

    Ready = 300,
    JobFinished = 301,
    JobCancelled = 302,
    IdlePreparing = 306,
    IdleTonerExchangeWrongPosition = 307,
    IdleTonerExchangeRotating = 308,
    IdleTonerExchangeReplaceable = 309,
    IdleTonerExchangeReplaceableCoverOpen = 310,

    JobCommunicationError = 400,
    JobServiceError = 401,
    JobJamInside = 402,
    JobJamInsideCoverOpen = 403,
    JobJamRear = 404,
    JobCoverOpen = 406,
    JobPaperDiffers = 407,
    JobPaperDiffersCassette = 408,
    JobPaperOut = 409,
    JobPrintingInterrupted = 410,
    JobNetworkBoardError = 411,
    JobPrinterUsedByOtherJob = 412,
    JobPortUsedByOtherDevice = 413,
    JobMemoryLow = 414,
    JobDrumMissing = 415,
    JobIncompatiblePrinter = 416,
    JobTonerEndOfLife = 417,
    JobDrumEndOfLife = 418,
    JobDiskSpaceLow = 419,
    JobCartridgePositionDiffers = 420,
    JobFixingUnitNotSet = 421,

    IncompatiblePrinter = 500,
    CommunicationError = 501,
    ServiceError = 502,
    CoverOpen = 503,
    PaperOut = 504,
    NetworkBoardError = 505,
    PrinterUsedByOtherJob = 506,
    PortUsedByOtherDevice = 507,
    DrumMissing = 508,
    TonerEndOfLife = 509,
    DrumEndOfLife = 510,
    JamInside = 511,
    JamInsideCoverOpen = 512,
    JamRear = 513,
    CartridgePositionDiffers = 514,
    FixingUnitNotSet = 515,
};

// Number of display states (rows of the display table).
inline constexpr std::size_t kDisplayCount = 63;

constexpr std::uint32_t toNumber(DisplayId id) noexcept { return static_cast<std::uint32_t>(id); }

// Job commands whose states the display carries, in the order of a command state set.
namespace command {
inline constexpr std::uint32_t kPause = 100;
inline constexpr std::uint32_t kResume = 101;
inline constexpr std::uint32_t kCancel = 103;
}  // namespace command

// States in a menu command state set.
namespace menu_state {
inline constexpr std::uint32_t kEnabled = 0;
inline constexpr std::uint32_t kGrayed = 1;
}  // namespace menu_state

// States in a toolbar command state set.
namespace toolbar_state {
inline constexpr std::uint32_t kDisabled = 0;
inline constexpr std::uint32_t kEnabled = 4;
inline constexpr std::uint32_t kEnabledPressed = 5;
}  // namespace toolbar_state

// One (command id, state) pair; three of them, for Pause, Resume and Cancel in this order,
// make a command state set. Two 32-bit fields, the layout the display record points to.
struct CommandState {
    std::uint32_t command;
    std::uint32_t state;
};
inline constexpr std::size_t kCommandStateCount = 3;
using CommandStateSet = std::array<CommandState, kCommandStateCount>;

constexpr bool operator==(const CommandState& a, const CommandState& b) noexcept {
    return a.command == b.command && a.state == b.state;
}
constexpr bool operator!=(const CommandState& a, const CommandState& b) noexcept { return !(a == b); }

// Background colour scheme of the picture pane.
enum class Background : std::uint32_t {
    Normal = 600,
    Error = 601,
    ServiceError = 602,
};

// How the paper animation runs.
enum class AnimationMode : std::uint32_t {
    None = 0,
    WhilePagesAdvance = 1,  // runs while the current page grows
    Loop = 2,               // loops from its first frame
};

// Whether the progress pane shows the page count. The library writes 0 for "shown"; the
// status window treats 0 and 2 alike.
enum class PagesText : std::uint32_t {
    Shown = 0,
    Hidden = 1,
    ShownAlternative = 2,
};

// The sound a display asks the status window to play.
enum class Sound : std::uint32_t {
    None = 0,
    PrinterError,
    PrinterServiceError,
    PrintComplete,
};

// Sound event names exactly as the status window passes them on (wide text); empty for None.
constexpr std::u16string_view soundName(Sound sound) noexcept {
    switch (sound) {
        case Sound::PrinterError: return u"PrinterError";
        case Sound::PrinterServiceError: return u"PrinterServiceError";
        case Sound::PrintComplete: return u"PrintComplete";
        case Sound::None: break;
    }
    return {};
}

// The same names as wchar_t text for Win32 callers; nullptr for None.
constexpr const wchar_t* soundNameWide(Sound sound) noexcept {
    switch (sound) {
        case Sound::PrinterError: return L"PrinterError";
        case Sound::PrinterServiceError: return L"PrinterServiceError";
        case Sound::PrintComplete: return L"PrintComplete";
        case Sound::None: break;
    }
    return nullptr;
}

// Fixed fields of every text record (headline and messages). x and y both 0 centre the text
// vertically in its pane.
namespace text_record {
inline constexpr std::int32_t kX = 0;
inline constexpr std::int32_t kY = 0;
inline constexpr std::int32_t kFontHeight = 15;
inline constexpr std::int32_t kFontWeight = 400;
inline constexpr std::uint32_t kReserved = 0;
inline constexpr std::uint32_t kEmptyStringId = 0;  // an entry with no text
inline constexpr std::size_t kTextBufferChars = 1024;  // one static buffer per loaded entry
}  // namespace text_record

// One frame of the paper animation: bitmap id, offset in the picture pane, duration.
struct AnimationFrame {
    std::uint16_t bitmapId;
    std::int32_t x;
    std::int32_t y;
    std::uint32_t durationMs;
};

// The library's one frame table: a sheet that grows as it leaves the printer.
inline constexpr std::size_t kAnimationFrameCount = 5;
inline constexpr std::array<AnimationFrame, kAnimationFrameCount> kAnimationFrames{{
    {211, 71, 40, 1000},
    {212, 56, 40, 1000},
    {213, 42, 40, 1000},
    {214, 23, 40, 1000},
    {215, 0, 40, 1000},
}};

}  // namespace zrt::presentation
