#include "presentation/core/display_decision.h"

namespace zrt::presentation {

namespace {

namespace ps = status::printer_status;
namespace js = status::job_status;
namespace ws = status::warning_status;

// "Jam Status": the jam is inside the printer (else at the rear).
constexpr std::uint32_t kJamInside = 0x00400000;
// "Cartridge Status": a toner cartridge can be replaced now.
constexpr std::uint32_t kCartridgeReplaceable = 0x0000F000;
// "Cartridge Status": the end of life concerns the drum (else the toner).
constexpr std::uint32_t kDrumEndOfLife = 0x00400000;
// "IllegalConnection" bits qualifying a misplaced part.
constexpr std::uint32_t kIllegalConnectionBit31 = 0x80000000;
constexpr std::uint32_t kFixingUnit = 0x40000000;

bool has(std::uint32_t value, std::uint32_t bits) noexcept { return (value & bits) != 0; }

// The paper is out at the job's source: both sources empty, or the job's own source empty.
bool paperOutAtJobSource(const StatusFacts& f) noexcept {
    const bool trayEmpty = has(f.warning, ws::kTrayEmpty);
    const bool cassetteEmpty = has(f.warning, ws::kCassette1Empty);
    const auto source = static_cast<status::PaperSource>(f.paperSource);
    return (trayEmpty && cassetteEmpty) || (source == status::PaperSource::MultiPurposeTray && trayEmpty) ||
           (source == status::PaperSource::Cassette1 && cassetteEmpty);
}

// The misplaced part is the fixing unit: bit 31 clear and bit 30 set.
bool fixingUnitMisplaced(const StatusFacts& f) noexcept {
    return !has(f.illegalConnection, kIllegalConnectionBit31) && has(f.illegalConnection, kFixingUnit);
}

DisplayId decideWhilePrinting(const StatusFacts& f) noexcept {
    const std::uint32_t p = f.printer;
    const bool coverOpen = has(p, ps::kCoverOpen);
    // 1. Port.
    if (has(p, ps::kPortNotSupported)) return DisplayId::PortNotSupported;
    // 2. Connection and service errors.
    if (has(p, ps::kPortUsedByOtherDevice)) return DisplayId::JobPortUsedByOtherDevice;
    if (has(p, ps::kNetworkBoardError)) return DisplayId::JobNetworkBoardError;
    if (has(p, ps::kCommunicationError)) return DisplayId::JobCommunicationError;
    if (has(p, ps::kIncompatiblePrinter)) return DisplayId::JobIncompatiblePrinter;
    if (has(p, ps::kUsedByOtherJob)) return DisplayId::JobPrinterUsedByOtherJob;
    if (has(p, ps::kDiskSpaceLow)) return DisplayId::JobDiskSpaceLow;
    if (has(p, ps::kServiceError)) return DisplayId::JobServiceError;
    // 3. Paper jam.
    if (has(p, ps::kPaperJam)) {
        if (!has(f.jam, kJamInside)) return DisplayId::JobJamRear;
        return coverOpen ? DisplayId::JobJamInsideCoverOpen : DisplayId::JobJamInside;
    }
    // 4. Toner exchange.
    if (has(p, ps::kTonerExchange)) {
        if (has(f.cartridge, kCartridgeReplaceable))
            return coverOpen ? DisplayId::TonerExchangeReplaceableCoverOpen : DisplayId::TonerExchangeReplaceable;
        return coverOpen ? DisplayId::TonerExchangeWrongPosition : DisplayId::TonerExchangeRotating;
    }
    // 5. Misplaced cartridge or fixing unit.
    if (has(p, ps::kMisplaced))
        return fixingUnitMisplaced(f) ? DisplayId::JobFixingUnitNotSet : DisplayId::JobCartridgePositionDiffers;
    // 6. Printer conditions.
    if (coverOpen) return DisplayId::JobCoverOpen;
    if (has(p, ps::kDrumMissing)) return DisplayId::JobDrumMissing;
    if (has(p, ps::kPrintingInterrupted)) return DisplayId::JobPrintingInterrupted;
    if (has(p, ps::kTonerEndOfLife)) return DisplayId::JobTonerEndOfLife;
    if (has(p, ps::kEndOfLife))
        return has(f.cartridge, kDrumEndOfLife) ? DisplayId::JobDrumEndOfLife : DisplayId::JobTonerEndOfLife;
    if (has(p, ps::kUnsuitableToner)) return DisplayId::WaitingUnsuitableToner;
    if (has(p, ps::kPaperDiffers)) return DisplayId::JobPaperDiffers;
    if (has(p, ps::kPaperDiffersCassette)) return DisplayId::JobPaperDiffersCassette;
    // 7. Paper out: only when the job's source is empty.
    if (has(p, ps::kPaperOutAtSource | ps::kPaperOutNoSource))
        return paperOutAtJobSource(f) ? DisplayId::JobPaperOut : DisplayId::Printing;
    // 8. Waiting conditions.
    if (has(p, ps::kPaperToBeReset)) return DisplayId::WaitingPaperReset;
    if (has(p, ps::kMemoryLow)) return DisplayId::JobMemoryLow;
    // 9. Paused.
    if (has(p, ps::kPaused)) return f.totalPages != 0 ? DisplayId::Paused : DisplayId::PausedPageCountUnknown;
    // 10. Cleaning page.
    if (has(p, ps::kCleaningPage))
        return has(p, ps::kCleaningAboutToStart) ? DisplayId::CleaningAboutToStart : DisplayId::CleaningPagePrinting;
    // 11. Preparing, being cancelled, cleaning.
    if (has(p, ps::kPreparing)) return DisplayId::Preparing;
    if (has(f.job, js::kBeingCancelled)) return DisplayId::BeingCancelled;
    if (has(p, ps::kCleaning)) return DisplayId::Cleaning;
    // 12. Printing.
    return f.totalPages != 0 ? DisplayId::Printing : DisplayId::PrintingPageCountUnknown;
}

DisplayId decideWithoutJob(const StatusFacts& f) noexcept {
    const std::uint32_t p = f.printer;
    const bool coverOpen = has(p, ps::kCoverOpen);
    // 1. Port.
    if (has(p, ps::kPortNotSupported)) return DisplayId::PortNotSupported;
    // 2. Connection and service errors.
    if (has(p, ps::kPortUsedByOtherDevice)) return DisplayId::PortUsedByOtherDevice;
    if (has(p, ps::kNetworkBoardError)) return DisplayId::NetworkBoardError;
    if (has(p, ps::kCommunicationError)) return DisplayId::CommunicationError;
    if (has(p, ps::kIncompatiblePrinter)) return DisplayId::IncompatiblePrinter;
    if (has(p, ps::kUsedByOtherJob)) return DisplayId::PrinterUsedByOtherJob;
    if (has(p, ps::kServiceError)) return DisplayId::ServiceError;
    // 3. Paper jam.
    if (has(p, ps::kPaperJam)) {
        if (!has(f.jam, kJamInside)) return DisplayId::JamRear;
        return coverOpen ? DisplayId::JamInsideCoverOpen : DisplayId::JamInside;
    }
    // 4. Toner exchange.
    if (has(p, ps::kTonerExchange)) {
        if (has(f.cartridge, kCartridgeReplaceable))
            return coverOpen ? DisplayId::IdleTonerExchangeReplaceableCoverOpen
                             : DisplayId::IdleTonerExchangeReplaceable;
        return coverOpen ? DisplayId::IdleTonerExchangeWrongPosition : DisplayId::IdleTonerExchangeRotating;
    }
    // 5. Misplaced cartridge or fixing unit.
    if (has(p, ps::kMisplaced))
        return fixingUnitMisplaced(f) ? DisplayId::FixingUnitNotSet : DisplayId::CartridgePositionDiffers;
    // 6. Printer conditions.
    if (coverOpen) return DisplayId::CoverOpen;
    if (has(p, ps::kDrumMissing)) return DisplayId::DrumMissing;
    if (has(p, ps::kTonerEndOfLife)) return DisplayId::TonerEndOfLife;
    if (has(p, ps::kEndOfLife))
        return has(f.cartridge, kDrumEndOfLife) ? DisplayId::DrumEndOfLife : DisplayId::TonerEndOfLife;
    // 7. Paper out: only when the source is empty.
    if (has(p, ps::kPaperOutAtSource | ps::kPaperOutNoSource))
        return paperOutAtJobSource(f) ? DisplayId::PaperOut : DisplayId::Ready;
    // 8. Cleaning page.
    if (has(p, ps::kCleaningPage))
        return has(p, ps::kCleaningAboutToStart) ? DisplayId::CleaningAboutToStart : DisplayId::CleaningPagePrinting;
    // 9. Cleaning, preparing, cancelled.
    if (has(p, ps::kCleaning)) return DisplayId::Cleaning;
    if (has(p, ps::kPreparing)) return DisplayId::IdlePreparing;
    if (has(f.job, js::kCancelled)) return DisplayId::JobCancelled;
    // 10. Finished or ready.
    return has(f.job, js::kFinished) ? DisplayId::JobFinished : DisplayId::Ready;
}

}  // namespace

StatusFacts statusFacts(const status::StatusRecordView& record) noexcept {
    StatusFacts f;
    f.printer = record.printerStatus();
    f.job = record.jobStatus();
    f.warning = record.warningStatus();
    f.cartridge = record.cartridgeStatus();
    f.jam = record.jamStatus();
    f.paperSource = record.paperSource();
    f.totalPages = record.totalPages();
    f.illegalConnection = record.illegalConnection();
    return f;
}

DisplayId decideDisplayId(const StatusFacts& facts) noexcept {
    return has(facts.job, js::kPrinting) ? decideWhilePrinting(facts) : decideWithoutJob(facts);
}

DisplayId displayIdForConnectionCode(std::uint32_t code) noexcept {
    switch (static_cast<status::ConnectionCode>(code)) {
        case status::ConnectionCode::PortNotSupported: return DisplayId::PortNotSupported;
        case status::ConnectionCode::StatusBeingAcquired: return DisplayId::StatusBeingAcquired;
        case status::ConnectionCode::PortInUse: return DisplayId::PortUsedByOtherDevice;
        case status::ConnectionCode::PrintServerError: return DisplayId::PrintServerError;
    }
    return DisplayId::PortNotSupported;
}

}  // namespace zrt::presentation
