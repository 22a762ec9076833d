#include "statuswindow/core/texts.h"

#include <algorithm>
#include <array>

#include "statuswindow/resource_ids.h"

namespace zrt::statuswindow {

namespace {

struct PaperName {
    std::uint32_t code;
    std::uint32_t stringId;
};

// Paper codes (Windows DMPAPER values and the maker's own) and their names.
constexpr std::array<PaperName, 20> kPaperNames{{
    {1, IDS_PAPER_LETTER},
    {5, IDS_PAPER_LEGAL},
    {7, IDS_PAPER_EXECUTIVE},
    {9, IDS_PAPER_A4},
    {11, IDS_PAPER_A5},
    {13, IDS_PAPER_B5},
    {20, IDS_PAPER_ENV10},
    {27, IDS_PAPER_ENVDL},
    {34, IDS_PAPER_ENVB5},
    {28, IDS_PAPER_ENVC5},
    {37, IDS_PAPER_MONARCH},
    {43, IDS_PAPER_POSTCARD},
    {4600, IDS_PAPER_INDEX_CARD},
    {91, IDS_PAPER_YOUKEI4},
    {262, IDS_PAPER_YOUKEI2},
    {256, IDS_PAPER_USER_DEFINED_256},
    {580, IDS_PAPER_USER_DEFINED_580},
    {581, IDS_PAPER_USER_DEFINED_581},
    {582, IDS_PAPER_USER_DEFINED},
    {0, IDS_PAPER_USER_DEFINED},
}};

struct ServiceCode {
    std::uint32_t status;
    const char16_t* code;
};

constexpr std::array<ServiceCode, 15> kServiceCodes{{
    {0x20, u"E071"},
    {0x40, u"E196"},
    {0x80, u"E002"},
    {0x100, u"E001"},
    {0x200, u"E000"},
    {0x400, u"E100"},
    {0x800, u"E805"},
    {0x1000, u"E078"},
    {0x2000, u"E021"},
    {0x4000, u"E022"},
    {0x8000, u"E010"},
    {0x400000, u"E071"},
    {0x800000, u"E100"},
    {0x40000000, u"E747"},
    {0x80000000, u"E197"},
}};

// Texts that stand in when a program string cannot be loaded.
constexpr char16_t kFallbackTray[] = u"Multi-purpose Tray";
constexpr char16_t kFallbackPaper[] = u"User Defined";
constexpr char16_t kFallbackColour[] = u"Black";

Text loadOr(const ProgramStrings& strings, std::uint32_t id, TextView fallback) {
    std::optional<Text> text = strings.load(id);
    return text ? *text : Text(fallback);
}

Text colourName(std::uint32_t id, const ProgramStrings& strings) { return loadOr(strings, id, kFallbackColour); }

Text formatOrKeep(TextView text, const std::vector<Text>& args) {
    std::optional<Text> formatted = formatMessage(text, args);
    return formatted ? *formatted : Text(text);
}

// The colour of a replaceable cartridge named in the headline, from "Cartridge Status".
std::uint32_t headlineColourId(std::uint32_t cartridgeStatus) noexcept {
    if (cartridgeStatus & 0x1000) return IDS_COLOUR_BLACK;
    if (cartridgeStatus & 0x4000) return IDS_COLOUR_MAGENTA;
    if (cartridgeStatus & 0x2000) return IDS_COLOUR_CYAN;
    if (cartridgeStatus & 0x8000) return IDS_COLOUR_YELLOW;
    return IDS_COLOUR_BLACK;
}

// The two-digit or one-digit insert number after a "%"; 0 when there is none.
std::size_t insertNumber(TextView format, std::size_t& pos) noexcept {
    if (pos >= format.size() || format[pos] < u'1' || format[pos] > u'9') return 0;
    std::size_t n = static_cast<std::size_t>(format[pos++] - u'0');
    if (pos < format.size() && format[pos] >= u'0' && format[pos] <= u'9')
        n = n * 10 + static_cast<std::size_t>(format[pos++] - u'0');
    return n;
}

// Text of "%d" inserts replaced one by one with the values.
Text withNumbers(TextView format, std::initializer_list<std::int32_t> values) {
    Text result;
    auto next = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u'd' && next != values.end()) {
            result += decimal(*next++);
            ++i;
        } else {
            result.push_back(format[i]);
        }
    }
    return result;
}

}  // namespace

std::optional<Text> formatMessage(TextView format, const std::vector<Text>& args) {
    Text out;
    for (std::size_t pos = 0; pos < format.size();) {
        const char16_t c = format[pos++];
        if (c != u'%') {
            out.push_back(c);
            continue;
        }
        if (pos >= format.size()) break;  // a lone "%" at the end
        if (const std::size_t n = insertNumber(format, pos); n != 0) {
            if (n > args.size()) return std::nullopt;
            if (pos < format.size() && format[pos] == u'!') {  // "!printf-form!"
                const std::size_t close = format.find(u'!', pos + 1);
                if (close == TextView::npos) return std::nullopt;
                pos = close + 1;
            }
            out += args[n - 1];
            continue;
        }
        const char16_t e = format[pos++];
        switch (e) {
            case u'0': return out;
            case u'n': out += u"\r\n"; break;
            case u'r': out.push_back(u'\r'); break;
            case u't': out.push_back(u'\t'); break;
            default: out.push_back(e); break;  // %% % %. %! and any other character
        }
    }
    return out;
}

std::uint32_t paperStringId(std::uint32_t paperCode) noexcept {
    for (const PaperName& p : kPaperNames)
        if (p.code == paperCode) return p.stringId;
    return IDS_PAPER_A4;
}

Text paperName(std::uint32_t paperCode, const ProgramStrings& strings) {
    return loadOr(strings, paperStringId(paperCode), kFallbackPaper);
}

Text sourceName(std::uint32_t source, const ProgramStrings& strings) {
    return loadOr(strings, source == 1 ? IDS_SOURCE_CASSETTE1 : IDS_SOURCE_TRAY, kFallbackTray);
}

Text blackName(const ProgramStrings& strings) { return colourName(IDS_COLOUR_BLACK, strings); }

Text tonerColourList(std::uint32_t warningStatus, const ProgramStrings& strings) {
    static constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 4> kOrder{{
        {0x1000, IDS_COLOUR_BLACK},
        {0x4000, IDS_COLOUR_MAGENTA},
        {0x2000, IDS_COLOUR_CYAN},
        {0x8000, IDS_COLOUR_YELLOW},
    }};
    Text list;
    for (const auto& [bit, id] : kOrder) {
        if ((warningStatus & bit) == 0) continue;
        if (!list.empty()) list += u",";
        list += colourName(id, strings);
    }
    return list;
}

Text serviceErrorCode(std::uint32_t serviceCallStatus) {
    for (const ServiceCode& s : kServiceCodes)
        if (s.status == serviceCallStatus) return s.code;
    return {};
}

Text withPaperInserts(std::uint32_t stringId, TextView text, const status::StatusRecordView* record,
                      const ProgramStrings& strings) {
    if (stringId == text_id::kTrayEmpty) return Text(text);
    std::vector<Text> args;
    if (stringId == text_id::kCassetteEmpty) {
        args.push_back(record != nullptr ? paperName(record->loadedPaper(status::PaperSource::Cassette1), strings)
                                         : paperName(9, strings));
    } else if (record != nullptr) {
        args.push_back(sourceName(record->paperSource(), strings));
        args.push_back(paperName(record->requestedPaper(), strings));
    } else {
        args.push_back(sourceName(0, strings));
        args.push_back(paperName(9, strings));  // "A4"
    }
    return Text(cut(formatOrKeep(text, args), kInsertBufferChars - 1));
}

Text headlineText(const DisplayText& headline, const status::StatusRecordView* record,
                  const ProgramStrings& strings) {
    switch (headline.stringId) {
        case text_id::kHeadlinePaperDiffers:
        case text_id::kHeadlinePaperOut:
            return withPaperInserts(headline.stringId, headline.text, record, strings);
        case text_id::kHeadlineTonerReplaceable:
        case text_id::kHeadlineTonerReplaceableOpen: {
            const std::uint32_t cartridge = record != nullptr ? record->cartridgeStatus() : 0;
            return headline.text + u"(" + colourName(headlineColourId(cartridge), strings) + u")";
        }
        default:
            return headline.text;
    }
}

Text diagnosticDump(const status::StatusRecordView& r, const DumpFacts& f) {
    Text t;
    t += u"Job Status       = " + hex8(r.jobStatus()) + u"\r\n";
    t += u"Printer Status   = " + hex8(r.printerStatus()) + u"\r\n";
    t += u"Warning Status   = " + hex8(r.warningStatus()) + u"\r\n";
    t += u"Cartridge Status = " + hex8(r.cartridgeStatus()) + u"\r\n";
    t += u"Service Call Status       = " + hex8(r.serviceCallStatus()) + u"\r\n";
    t += u"Jam Status       = " + hex8(r.jamStatus()) + u"\r\n";
    t += u"IllegalConnection= " + hex8(r.illegalConnection()) + u"\r\n";
    t += u"Printing Phase = " + decimal(static_cast<std::int32_t>(r.printingPhase())) +
         u", JobID = " + decimal(static_cast<std::int32_t>(r.jobId())) + u"\r\n";
    t += u"Local = " + decimal(f.attachmentKind) + u", User = " + decimal(f.userMatch) + u", PC = " +
         decimal(f.computerMatch) + u"\r\n";
    return t;
}

Text detailText(const std::vector<DisplayText>& messages, const status::StatusRecordView* record,
                const std::optional<Text>& dump, const ProgramStrings& strings) {
    const status::StatusRecordView none(nullptr, 0);
    const status::StatusRecordView& r = record != nullptr ? *record : none;
    Text out = dump ? *dump : Text();
    for (const DisplayText& m : messages) {
        switch (m.stringId) {
            case text_id::kServiceError:
                out += formatOrKeep(m.text, {serviceErrorCode(r.serviceCallStatus())});
                break;
            case text_id::kSetPaper:
            case text_id::kSetPaperRegister:
            case text_id::kAddPaper:
            case text_id::kTrayEmpty:
            case text_id::kCassetteEmpty:
                out += withPaperInserts(m.stringId, m.text, record, strings);
                break;
            case text_id::kTonerEndOfLife: {
                const std::uint32_t p = r.printerStatus();
                const Text colours = (p & 0x40) ? blackName(strings)
                                     : (p & 0x20) ? tonerColourList(r.warningStatus(), strings)
                                                  : blackName(strings);
                out += formatOrKeep(m.text, {colours});
                break;
            }
            case text_id::kTonerToReplace:
                out += formatOrKeep(m.text, {tonerColourList(r.warningStatus(), strings)});
                break;
            default:
                out += m.text;
                break;
        }
    }
    return Text(cut(out, kDetailTextChars - 1));
}

ProgressView progressView(std::uint32_t pagesText, std::uint32_t totalPages, std::uint32_t pagesPrinted,
                          std::uint32_t clientWidth, const ProgramStrings& strings) {
    ProgressView view;
    if (pagesText == kPagesTextHidden) return view;
    view.showText = true;
    const auto printed = static_cast<std::int32_t>(pagesPrinted);
    if (totalPages == 0 && pagesPrinted == 1) {
        view.text = strings.load(IDS_ONE_PAGE_PRINTED).value_or(Text());
    } else if (totalPages == 0) {
        view.text = withNumbers(strings.load(IDS_PAGES_PRINTED).value_or(Text()), {printed});
    } else if (totalPages == 1) {
        view.text = withNumbers(strings.load(IDS_PAGES_OF_ONE).value_or(Text()), {printed});
    } else {
        view.text = withNumbers(strings.load(IDS_PAGES_OF_TOTAL).value_or(Text()),
                                {printed, static_cast<std::int32_t>(totalPages)});
    }
    if (totalPages != 0) {
        view.showBar = true;
        // 64-bit product, and never past the client: the counts come from outside.
        const std::uint64_t width = static_cast<std::uint64_t>(pagesPrinted) * clientWidth / totalPages;
        view.barWidth = static_cast<std::uint32_t>(std::min<std::uint64_t>(width, clientWidth));
    }
    return view;
}

}  // namespace zrt::statuswindow
