// Texts of the status display: the headline with its inserts, the detail pane text with paper
// names, toner colours and service error codes, the diagnostic dump, and the page counter.
// Program strings come through ProgramStrings (LoadStringW in the shell, the resource script
// in tests).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "statuswindow/core/display.h"
#include "statuswindow/core/text.h"
#include "statuswindow/record/status_record.h"

namespace zrt::statuswindow {

class ProgramStrings {
public:
    virtual ~ProgramStrings() = default;
    // The string of this program's table, or std::nullopt when it cannot be loaded.
    virtual std::optional<Text> load(std::uint32_t id) const = 0;
};

// Buffer sizes of the composed texts (characters, terminator included).
inline constexpr std::size_t kInsertBufferChars = 520;
inline constexpr std::size_t kDetailTextChars = 4096;

// FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY) over string
// arguments: %1..%99 with an optional "!s!" (any printf form is taken as a string), %% %n %r
// %t %0 and "% " "%." "%!". std::nullopt when an insert names a missing argument.
std::optional<Text> formatMessage(TextView format, const std::vector<Text>& args);

// String id of a paper code's name; a code not in the table has the id of "A4".
std::uint32_t paperStringId(std::uint32_t paperCode) noexcept;
Text paperName(std::uint32_t paperCode, const ProgramStrings& strings);
// Name of a paper source: 1 cassette 1, anything else the multi-purpose tray.
Text sourceName(std::uint32_t source, const ProgramStrings& strings);
// Toner colour names from the "Warning Status" bits 0x1000 black, 0x4000 magenta, 0x2000 cyan,
// 0x8000 yellow, in this order, separated by ",".
Text tonerColourList(std::uint32_t warningStatus, const ProgramStrings& strings);
Text blackName(const ProgramStrings& strings);
// The service error code of a "Service Call Status" (a whole value, one bit); "" otherwise.
Text serviceErrorCode(std::uint32_t serviceCallStatus);

// String ids with inserts.
namespace text_id {
inline constexpr std::uint32_t kHeadlinePaperDiffers = 5311;
inline constexpr std::uint32_t kHeadlinePaperOut = 5312;
inline constexpr std::uint32_t kHeadlineTonerReplaceable = 5321;
inline constexpr std::uint32_t kHeadlineTonerReplaceableOpen = 5322;
inline constexpr std::uint32_t kServiceError = 5408;
inline constexpr std::uint32_t kSetPaper = 5412;
inline constexpr std::uint32_t kSetPaperRegister = 5414;
inline constexpr std::uint32_t kAddPaper = 5416;
inline constexpr std::uint32_t kTonerEndOfLife = 5437;
inline constexpr std::uint32_t kTrayEmpty = 5500;
inline constexpr std::uint32_t kCassetteEmpty = 5501;
inline constexpr std::uint32_t kTonerToReplace = 5506;
}  // namespace text_id

// A text with the paper inserts of stringId from the held record (nullptr: none held, the
// multi-purpose tray and "A4" stand in), cut to the 520-character buffer.
Text withPaperInserts(std::uint32_t stringId, TextView text, const status::StatusRecordView* record,
                      const ProgramStrings& strings);

// The headline as painted: inserts for 5311/5312, "(colour)" appended for 5321/5322.
Text headlineText(const DisplayText& headline, const status::StatusRecordView* record,
                  const ProgramStrings& strings);

// What the diagnostic dump shows besides the record's fields.
struct DumpFacts {
    std::uint32_t attachmentKind = 0;
    int userMatch = 0;
    int computerMatch = 0;
};
Text diagnosticDump(const status::StatusRecordView& record, const DumpFacts& facts);

// The detail pane text: the dump when given, then every message entry with its inserts; cut to
// the 4096-character buffer.
Text detailText(const std::vector<DisplayText>& messages, const status::StatusRecordView* record,
                const std::optional<Text>& dump, const ProgramStrings& strings);

// The page counter of the progress pane.
struct ProgressView {
    bool showText = false;
    Text text;
    bool showBar = false;
    std::uint32_t barWidth = 0;  // pixels from the left, never wider than the client
};
ProgressView progressView(std::uint32_t pagesText, std::uint32_t totalPages, std::uint32_t pagesPrinted,
                          std::uint32_t clientWidth, const ProgramStrings& strings);

}  // namespace zrt::statuswindow
