#include "statuswindow/core/job_commands.h"

namespace zrt::statuswindow {

namespace {

// Printer status bits under which the job list shows no job.
constexpr std::uint32_t kNoJobListPrinterStatus = 0x3F2FE068;
constexpr std::uint32_t kJobActive = status::job_status::kActiveMask;
constexpr std::uint32_t kPaperSizeDisplay = 504;

// A job is running without trouble, or the printer cannot be reached: no consumables query.
bool consumablesUnavailable(std::uint32_t printer, std::uint32_t job) noexcept {
    return ((job & kJobActive) != 0 && (printer & 0xF1) == 0 && (printer & 0xFFC300) == 0) ||
           (printer & 0x1C000000) != 0;
}

Text viewText(std::u16string_view text, std::size_t maxChars) { return Text(text.substr(0, maxChars)); }

}  // namespace

JobListRows jobListContents(const status::StatusRecordView* record, TextView documentName) {
    if (record == nullptr || (record->jobStatus() & status::job_status::kPrinting) == 0 ||
        (record->printerStatus() & kNoJobListPrinterStatus) != 0)
        return {};
    std::u16string_view computer = record->computerName();
    if (computer.substr(0, 2) == u"\\\\") computer.remove_prefix(2);
    return {Text(documentName), viewText(record->userName(), kMaxJobUserChars),
            viewText(computer, kMaxJobComputerChars)};
}

bool jobCommandsGrayed(std::uint32_t attachmentKind, int userMatch, int computerMatch,
                       const status::StatusRecordView* record) noexcept {
    if (attachmentKind == 1) return false;
    if (userMatch != 0 && computerMatch != 0) return true;
    return record != nullptr && record->jobId() == 0;
}

OptionMenuStates optionMenuStates(std::uint32_t attachmentKind, const status::StatusRecordView* record,
                                  bool lockOut, std::uint32_t displayId) noexcept {
    OptionMenuStates s;
    if (record == nullptr) return s;
    const std::uint32_t p = record->printerStatus();
    const std::uint32_t j = record->jobStatus();
    const bool idleAndFree = !lockOut && p == 0 && (j & status::job_status::kPrinting) == 0;
    s.cleaning = attachmentKind != 0 && idleAndFree;
    s.calibration = idleAndFree;
    s.paperSize = !lockOut && ((p == 0 && (j & kJobActive) == 0) || (p & 0x1) != 0 || (p & 0xD0000) != 0 ||
                               displayId == kPaperSizeDisplay);
    s.consumables = !consumablesUnavailable(p, j);
    s.consumablesButton = consumablesUnavailable(p, j) ? kButtonIndeterminate : kButtonEnabled;
    return s;
}

}  // namespace zrt::statuswindow
