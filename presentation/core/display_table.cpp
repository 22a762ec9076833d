#include "presentation/core/display_table.h"

#include <algorithm>

namespace zrt::presentation {

namespace {

using Id = DisplayId;

constexpr CommandStateSet menuSet(bool pause, bool resume, bool cancel) noexcept {
    auto state = [](bool enabled) { return enabled ? menu_state::kEnabled : menu_state::kGrayed; };
    return {{{command::kPause, state(pause)}, {command::kResume, state(resume)}, {command::kCancel, state(cancel)}}};
}

constexpr CommandStateSet toolbarSet(std::uint32_t pause, std::uint32_t resume, std::uint32_t cancel) noexcept {
    return {{{command::kPause, pause}, {command::kResume, resume}, {command::kCancel, cancel}}};
}

// Menu sets, named after the commands they enable.
constexpr CommandStateSet kMenuNone = menuSet(false, false, false);
constexpr CommandStateSet kMenuPauseCancel = menuSet(true, false, true);
constexpr CommandStateSet kMenuResumeCancel = menuSet(false, true, true);
constexpr CommandStateSet kMenuCancel = menuSet(false, false, true);

// Toolbar sets.
constexpr std::uint32_t kOff = toolbar_state::kDisabled;
constexpr std::uint32_t kOn = toolbar_state::kEnabled;
constexpr std::uint32_t kDown = toolbar_state::kEnabledPressed;
constexpr CommandStateSet kToolbarNone = toolbarSet(kOff, kOff, kOff);
constexpr CommandStateSet kToolbarPrinting = toolbarSet(kOn, kDown, kOn);      // Resume pressed
constexpr CommandStateSet kToolbarPaused = toolbarSet(kDown, kOn, kOn);        // Pause pressed
constexpr CommandStateSet kToolbarIdle = toolbarSet(kOff, kDown, kOff);        // Resume pressed
constexpr CommandStateSet kToolbarIdleCancel = toolbarSet(kOff, kDown, kOn);   // Resume pressed
constexpr CommandStateSet kToolbarHeldCancel = toolbarSet(kDown, kOff, kOn);   // Pause pressed
constexpr CommandStateSet kToolbarCancel = toolbarSet(kOff, kOff, kOn);
constexpr CommandStateSet kToolbarResumeCancel = toolbarSet(kOff, kOn, kOn);

constexpr Background kBackNormal = Background::Normal;
constexpr Background kBackError = Background::Error;
constexpr Background kBackService = Background::ServiceError;
constexpr AnimationMode kAnimNone = AnimationMode::None;
constexpr AnimationMode kAnimPages = AnimationMode::WhilePagesAdvance;
constexpr Sound kNoSound = Sound::None;
constexpr Sound kSoundError = Sound::PrinterError;
constexpr Sound kSoundService = Sound::PrinterServiceError;
constexpr Sound kSoundComplete = Sound::PrintComplete;
constexpr PagesText kPages = PagesText::Shown;
constexpr PagesText kNoPages = PagesText::Hidden;

// id, headline, own message, icon, background, picture, animation, sound, pages text, menu,
// toolbar.
constexpr std::array<DisplayRow, kDisplayCount> kTable{{
    {Id::PortNotSupported, 5301, 5402, 403, kBackError, 301, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::StatusBeingAcquired, 5316, 5403, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarNone},
    {Id::PrintServerError, 5317, 5423, 403, kBackError, 301, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::Printing, 5200, 0, 400, kBackNormal, 210, kAnimPages, kNoSound, kPages, kMenuPauseCancel, kToolbarPrinting},
    {Id::PrintingPageCountUnknown, 5200, 0, 400, kBackNormal, 210, kAnimPages, kNoSound, kPages, kMenuPauseCancel, kToolbarPrinting},
    {Id::Paused, 5201, 0, 401, kBackNormal, 301, kAnimNone, kNoSound, kPages, kMenuResumeCancel, kToolbarPaused},
    {Id::PausedPageCountUnknown, 5201, 0, 401, kBackNormal, 301, kAnimNone, kNoSound, kPages, kMenuResumeCancel, kToolbarPaused},
    {Id::BeingCancelled, 5203, 0, 400, kBackNormal, 210, kAnimPages, kNoSound, kPages, kMenuNone, kToolbarIdle},
    {Id::Cleaning, 5204, 5400, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::Preparing, 5318, 5433, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuCancel, kToolbarIdleCancel},
    {Id::TonerExchangeWrongPosition, 5319, 5430, 402, kBackError, 304, kAnimNone, kSoundError, kNoPages, kMenuCancel, kToolbarHeldCancel},
    {Id::TonerExchangeRotating, 5320, 5431, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::TonerExchangeReplaceable, 5321, 5424, 400, kBackNormal, 317, kAnimNone, kNoSound, kNoPages, kMenuCancel, kToolbarHeldCancel},
    {Id::TonerExchangeReplaceableCoverOpen, 5322, 5425, 400, kBackNormal, 305, kAnimNone, kNoSound, kNoPages, kMenuCancel, kToolbarHeldCancel},
    {Id::CleaningPagePrinting, 5327, 5400, 400, kBackNormal, 210, kAnimPages, kNoSound, kPages, kMenuNone, kToolbarIdle},
    {Id::CleaningAboutToStart, 5328, 5427, 401, kBackNormal, 314, kAnimNone, kSoundComplete, kNoPages, kMenuResumeCancel, kToolbarPaused},
    {Id::WaitingUnsuitableToner, 5325, 0, 401, kBackNormal, 301, kAnimNone, kNoSound, kPages, kMenuResumeCancel, kToolbarPaused},
    {Id::WaitingPaperReset, 5201, 5436, 401, kBackNormal, 301, kAnimNone, kNoSound, kPages, kMenuResumeCancel, kToolbarPaused},
    {Id::Ready, 5300, 0, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::JobFinished, 5202, 0, 400, kBackNormal, 301, kAnimNone, kNoSound, kPages, kMenuNone, kToolbarIdle},
    {Id::JobCancelled, 5205, 0, 400, kBackNormal, 301, kAnimNone, kNoSound, kPages, kMenuNone, kToolbarIdle},
    {Id::IdlePreparing, 5318, 5433, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::IdleTonerExchangeWrongPosition, 5319, 5430, 402, kBackError, 304, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarIdle},
    {Id::IdleTonerExchangeRotating, 5320, 5431, 400, kBackNormal, 301, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::IdleTonerExchangeReplaceable, 5321, 5424, 400, kBackNormal, 317, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::IdleTonerExchangeReplaceableCoverOpen, 5322, 5425, 400, kBackNormal, 305, kAnimNone, kNoSound, kNoPages, kMenuNone, kToolbarIdle},
    {Id::JobCommunicationError, 5302, 5404, 403, kBackError, 306, kAnimNone, kSoundError, kNoPages, kMenuCancel, kToolbarCancel},
    {Id::JobServiceError, 5309, 5408, 404, kBackService, 301, kAnimNone, kSoundService, kNoPages, kMenuCancel, kToolbarCancel},
    {Id::JobJamInside, 5206, 5409, 402, kBackError, 311, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobJamInsideCoverOpen, 5206, 5409, 402, kBackError, 312, kAnimNone, kNoSound, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobJamRear, 5331, 5411, 402, kBackError, 313, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobCoverOpen, 5310, 5432, 402, kBackError, 304, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobPaperDiffers, 5311, 5412, 402, kBackError, 302, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarHeldCancel},
    {Id::JobPaperDiffersCassette, 5311, 5414, 402, kBackError, 302, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarHeldCancel},
    {Id::JobPaperOut, 5312, 5416, 402, kBackError, 303, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarIdleCancel},
    {Id::JobPrintingInterrupted, 5313, 5417, 402, kBackError, 310, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarHeldCancel},
    {Id::JobNetworkBoardError, 5308, 5422, 403, kBackError, 309, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobPrinterUsedByOtherJob, 5304, 5418, 402, kBackError, 301, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobPortUsedByOtherDevice, 5305, 5419, 402, kBackError, 301, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobMemoryLow, 5306, 5420, 402, kBackError, 307, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobDrumMissing, 5307, 0, 402, kBackError, 318, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobIncompatiblePrinter, 5314, 5421, 403, kBackError, 301, kAnimNone, kSoundError, kNoPages, kMenuCancel, kToolbarCancel},
    {Id::JobTonerEndOfLife, 5323, 5437, 402, kBackError, 305, kAnimNone, kSoundError, kNoPages, kMenuCancel, kToolbarCancel},
    {Id::JobDrumEndOfLife, 5324, 5438, 402, kBackError, 318, kAnimNone, kSoundError, kNoPages, kMenuCancel, kToolbarCancel},
    {Id::JobDiskSpaceLow, 5326, 5426, 402, kBackError, 308, kAnimNone, kSoundError, kPages, kMenuResumeCancel, kToolbarResumeCancel},
    {Id::JobCartridgePositionDiffers, 5329, 5428, 402, kBackError, 305, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::JobFixingUnitNotSet, 5330, 5429, 402, kBackError, 316, kAnimNone, kSoundError, kPages, kMenuCancel, kToolbarCancel},
    {Id::IncompatiblePrinter, 5314, 5421, 403, kBackError, 301, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::CommunicationError, 5302, 5404, 403, kBackError, 306, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::ServiceError, 5309, 5408, 404, kBackService, 301, kAnimNone, kSoundService, kNoPages, kMenuNone, kToolbarNone},
    {Id::CoverOpen, 5310, 5432, 402, kBackError, 304, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::PaperOut, 5315, 5434, 402, kBackError, 303, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarIdle},
    {Id::NetworkBoardError, 5308, 5422, 403, kBackError, 309, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::PrinterUsedByOtherJob, 5304, 5418, 402, kBackError, 301, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::PortUsedByOtherDevice, 5305, 5419, 402, kBackError, 301, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::DrumMissing, 5307, 0, 402, kBackError, 318, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::TonerEndOfLife, 5323, 5437, 402, kBackError, 305, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::DrumEndOfLife, 5324, 5438, 402, kBackError, 318, kAnimNone, kSoundError, kNoPages, kMenuNone, kToolbarNone},
    {Id::JamInside, 5206, 5409, 402, kBackError, 311, kAnimNone, kSoundError, kPages, kMenuNone, kToolbarNone},
    {Id::JamInsideCoverOpen, 5206, 5409, 402, kBackError, 312, kAnimNone, kNoSound, kPages, kMenuNone, kToolbarNone},
    {Id::JamRear, 5331, 5411, 402, kBackError, 313, kAnimNone, kSoundError, kPages, kMenuNone, kToolbarNone},
    {Id::CartridgePositionDiffers, 5329, 5428, 402, kBackError, 305, kAnimNone, kSoundError, kPages, kMenuNone, kToolbarNone},
    {Id::FixingUnitNotSet, 5330, 5429, 402, kBackError, 316, kAnimNone, kSoundError, kPages, kMenuNone, kToolbarNone},
}};

constexpr bool ascending() noexcept {
    for (std::size_t i = 1; i < kTable.size(); ++i)
        if (toNumber(kTable[i - 1].id) >= toNumber(kTable[i].id)) return false;
    return true;
}
static_assert(ascending(), "display table rows must be in ascending id order");

}  // namespace

const std::array<DisplayRow, kDisplayCount>& displayTable() noexcept { return kTable; }

const DisplayRow* findDisplayRow(std::uint32_t id) noexcept {
    const auto it = std::lower_bound(kTable.begin(), kTable.end(), id,
                                     [](const DisplayRow& row, std::uint32_t v) { return toNumber(row.id) < v; });
    return it != kTable.end() && toNumber(it->id) == id ? &*it : nullptr;
}

}  // namespace zrt::presentation
