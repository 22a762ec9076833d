#include <gtest/gtest.h>

#include "rc_string_table.h"
#include "statuswindow/core/texts.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/resource_ids.h"

namespace zrt::statuswindow {
namespace {

using testing::RcStringTable;
using testing::utf16;

class DisplayTexts : public ::testing::Test {
protected:
    RcStringTable strings = RcStringTable::fromRepository();

    static DisplayText entry(std::uint32_t id, const char* utf8) { return DisplayText{0, 0, 15, 400, id, utf16(utf8)}; }
};

TEST_F(DisplayTexts, ResourceScriptHoldsTheProgramStrings) {
    EXPECT_EQ(strings.load(IDS_JOB_LIST_CAPTION), utf16("印刷中ジョブ詳細"));
    EXPECT_EQ(strings.load(IDS_SOURCE_CASSETTE1), utf16("カセット１"));
    EXPECT_EQ(strings.load(IDS_ONE_PAGE_PRINTED), utf16("1 ページ印刷終了"));
}

TEST_F(DisplayTexts, PaperNames) {
    struct Row {
        std::uint32_t code;
        const char* name;
    } rows[] = {
        {1, "レター"}, {5, "リーガル"}, {7, "エグゼクティブ"}, {9, "A4"}, {11, "A5"}, {13, "B5"},
        {20, "Env #10"}, {27, "Env DL"}, {34, "Env B5"}, {28, "Env C5"}, {37, "Monarch"}, {43, "はがき"},
        {4600, "Index Card"}, {91, "洋形4号"}, {262, "洋形2号"}, {256, "ユーザ定義"}, {580, "ユーザ定義"},
        {581, "ユーザ定義"}, {582, "ユーザ定義"}, {0, "ユーザ定義"}, {999, "A4"}, {status::kUnknownPaperCode, "A4"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(toPrintable(paperName(r.code, strings)), toPrintable(utf16(r.name))) << "paper code " << r.code;
}

TEST_F(DisplayTexts, ServiceErrorCodes) {
    struct Row {
        std::uint32_t status;
        const char16_t* code;
    } rows[] = {
        {0x20, u"E071"}, {0x40, u"E196"}, {0x80, u"E002"}, {0x100, u"E001"}, {0x200, u"E000"},
        {0x400, u"E100"}, {0x800, u"E805"}, {0x1000, u"E078"}, {0x2000, u"E021"}, {0x4000, u"E022"},
        {0x8000, u"E010"}, {0x400000, u"E071"}, {0x800000, u"E100"}, {0x40000000, u"E747"},
        {0x80000000, u"E197"}, {0x0, u""}, {0x420, u""}, {0x1, u""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(toPrintable(serviceErrorCode(r.status)), toPrintable(r.code)) << std::hex << "status 0x" << r.status;
}

TEST_F(DisplayTexts, FormatMessageInserts) {
    struct Row {
        const char* row;
        Text format;
        std::vector<Text> args;
        std::optional<Text> out;
    } rows[] = {
        {"printf form", u"%1!s!に%2!s!用紙", {u"A", u"B"}, Text(u"AにB用紙")},
        {"plain inserts", u"[%2][%1]", {u"a", u"b"}, Text(u"[b][a]")},
        {"escapes", u"50%% %n%t%.%!x", {}, Text(u"50% \r\n\t.!x")},
        {"%0 ends the text", u"ab%0cd", {}, Text(u"ab")},
        {"missing argument", u"%2!s!", {u"a"}, std::nullopt},
        {"unclosed printf form", u"%1!s", {u"a"}, std::nullopt},
        {"line breaks kept", u"a\r\nb", {}, Text(u"a\r\nb")},
    };
    for (const Row& r : rows) {
        const std::optional<Text> got = formatMessage(r.format, r.args);
        ASSERT_EQ(got.has_value(), r.out.has_value()) << r.row;
        if (got) {
            EXPECT_EQ(toPrintable(*got), toPrintable(*r.out)) << r.row;
        }
    }
}

TEST_F(DisplayTexts, DetailTextInserts) {
    const std::vector<std::uint8_t> jobRecord = status::StatusRecordBuilder()
                                                    .printerStatus(0x20)
                                                    .serviceCallStatus(0x400)
                                                    .warningStatus(0xF000)
                                                    .paperSource(1)
                                                    .requestedPaper(13)
                                                    .loadedPaper(9, 43)
                                                    .build();
    const status::StatusRecordView record(jobRecord.data(), jobRecord.size());
    struct Row {
        const char* row;
        DisplayText message;
        const char* text;
    } rows[] = {
        {"5408 service code", entry(5408, "エラーコード : %1!s! \r\n"), "エラーコード : E100 \r\n"},
        {"5412 source and paper", entry(5412, "%1!s!に%2!s!用紙をセットしてください。"), "カセット１にB5用紙をセットしてください。"},
        {"5416 source and paper", entry(5416, "%1!s!に%2!s!用紙を補給"), "カセット１にB5用紙を補給"},
        {"5501 cassette paper", entry(5501, "カセット１に %1!s! 用紙がありません。"), "カセット１に はがき 用紙がありません。"},
        {"5500 unchanged", entry(5500, "手差しトレイに用紙がありません。%1"), "手差しトレイに用紙がありません。%1"},
        {"5437 colours of 0x20", entry(5437, "%1!s!のトナー"), "ブラック,マゼンタ,シアン,イエローのトナー"},
        {"5506 colour list", entry(5506, "交換が必要です。(%1!s!)"), "交換が必要です。(ブラック,マゼンタ,シアン,イエロー)"},
        {"other unchanged", entry(5400, "しばらくお待ちください。%1!s!"), "しばらくお待ちください。%1!s!"},
        {"empty entry", entry(0, ""), ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(toPrintable(detailText({r.message}, &record, std::nullopt, strings)), toPrintable(utf16(r.text))) << r.row;
}

TEST_F(DisplayTexts, TonerEndOfLifeColour) {
    const DisplayText message = entry(5437, "%1!s!");
    struct Row {
        const char* row;
        std::uint32_t printer, warning;
        const char* text;
    } rows[] = {
        {"drum or toner bit 0x40 gives black", 0x60, 0x4000, "ブラック"},
        {"0x20 lists warning colours", 0x20, 0xA000, "シアン,イエロー"},
        {"0x20 without colours", 0x20, 0, ""},
        {"neither gives black", 0, 0x4000, "ブラック"},
    };
    for (const Row& r : rows) {
        const auto data = status::StatusRecordBuilder().printerStatus(r.printer).warningStatus(r.warning).build();
        const status::StatusRecordView record(data.data(), data.size());
        EXPECT_EQ(toPrintable(detailText({message}, &record, std::nullopt, strings)), toPrintable(utf16(r.text))) << r.row;
    }
}

TEST_F(DisplayTexts, MessagesJoinInOrderAfterTheDump) {
    const auto data = status::StatusRecordBuilder()
                          .jobStatus(0x8).printerStatus(0x10000).warningStatus(0x80000000).serviceCallStatus(0x40)
                          .cartridgeStatus(0x1000).jamStatus(0x400000).illegalConnection(0x40000000)
                          .printingPhase(3).jobId(42).build();
    const status::StatusRecordView record(data.data(), data.size());
    const Text dump = diagnosticDump(record, DumpFacts{2, 0, 1});
    EXPECT_EQ(toPrintable(dump),
              "Job Status       = 00000008\\r\\n"
              "Printer Status   = 00010000\\r\\n"
              "Warning Status   = 80000000\\r\\n"
              "Cartridge Status = 00001000\\r\\n"
              "Service Call Status       = 00000040\\r\\n"
              "Jam Status       = 00400000\\r\\n"
              "IllegalConnection= 40000000\\r\\n"
              "Printing Phase = 3, JobID = 42\\r\\n"
              "Local = 2, User = 0, PC = 1\\r\\n");
    const Text text = detailText({entry(5400, "A"), entry(0, ""), entry(5500, "B")}, &record, dump, strings);
    EXPECT_EQ(toPrintable(text), toPrintable(dump + u"AB"));
}

TEST_F(DisplayTexts, DetailTextStaysInItsBuffer) {
    const DisplayText big{0, 0, 15, 400, 5400, Text(3000, u'x')};
    EXPECT_EQ(detailText({big, big}, nullptr, std::nullopt, strings).size(), kDetailTextChars - 1);
    const DisplayText hugeInsert = entry(5412, "%1!s!%2!s!");
    const auto data = status::StatusRecordBuilder().build();
    const status::StatusRecordView record(data.data(), data.size());
    DisplayText longPaper = hugeInsert;
    longPaper.text = Text(600, u'y') + u"%1";
    EXPECT_EQ(withPaperInserts(5412, longPaper.text, &record, strings).size(), kInsertBufferChars - 1);
}

TEST_F(DisplayTexts, Headlines) {
    const auto cyan = status::StatusRecordBuilder().cartridgeStatus(0xA000).build();
    const auto paper = status::StatusRecordBuilder().paperSource(0).requestedPaper(11).build();
    const status::StatusRecordView cyanRecord(cyan.data(), cyan.size());
    const status::StatusRecordView paperRecord(paper.data(), paper.size());
    struct Row {
        const char* row;
        DisplayText headline;
        const status::StatusRecordView* record;
        const char* text;
    } rows[] = {
        {"5311 with record", entry(5311, "%1!s!の%2!s!が違います"), &paperRecord, "手差しトレイのA5が違います"},
        {"5312 without record", entry(5312, "%2!s!用紙がありません"), nullptr, "A4用紙がありません"},
        {"5321 cyan before yellow", entry(5321, "交換できます"), &cyanRecord, "交換できます(シアン)"},
        {"5322 without record is black", entry(5322, "交換できます"), nullptr, "交換できます(ブラック)"},
        {"others unchanged", entry(5200, "印刷中です&%1"), &paperRecord, "印刷中です&%1"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(toPrintable(headlineText(r.headline, r.record, strings)), toPrintable(utf16(r.text))) << r.row;
}

TEST_F(DisplayTexts, FallbacksWhenStringsCannotBeLoaded) {
    for (int id : {IDS_SOURCE_TRAY, IDS_SOURCE_CASSETTE1, IDS_PAPER_B5, IDS_COLOUR_BLACK, IDS_COLOUR_CYAN})
        strings.remove(static_cast<std::uint32_t>(id));
    const auto data = status::StatusRecordBuilder().paperSource(1).requestedPaper(13).warningStatus(0x3000).build();
    const status::StatusRecordView record(data.data(), data.size());
    EXPECT_EQ(toPrintable(withPaperInserts(5412, u"%1!s!/%2!s!", &record, strings)), "Multi-purpose Tray/User Defined");
    EXPECT_EQ(toPrintable(tonerColourList(0x3000, strings)), "Black,Black");
}

TEST_F(DisplayTexts, ProgressPane) {
    struct Row {
        const char* row;
        std::uint32_t pagesText, total, printed;
        bool showText;
        const char* text;
        bool bar;
        std::uint32_t barWidth;
    } rows[] = {
        {"hidden", 1, 5, 2, false, "", false, 0},
        {"one page, total unknown", 0, 0, 1, true, "1 ページ印刷終了", false, 0},
        {"pages, total unknown", 2, 0, 7, true, "7 ページ印刷終了", false, 0},
        {"total one", 0, 1, 0, true, "0 / 1 ページ印刷終了", true, 0},
        {"two of four", 0, 4, 2, true, "2 / 4 ページ印刷終了", true, 100},
        {"more printed than total", 0, 2, 5, true, "5 / 2 ページ印刷終了", true, 200},
        {"huge counts", 0, 0xFFFFFFFF, 0xFFFFFFFE, true, "-2 / -1 ページ印刷終了", true, 199},
    };
    for (const Row& r : rows) {
        const ProgressView v = progressView(r.pagesText, r.total, r.printed, 200, strings);
        EXPECT_EQ(v.showText, r.showText) << r.row;
        EXPECT_EQ(toPrintable(v.text), toPrintable(utf16(r.text))) << r.row;
        EXPECT_EQ(v.showBar, r.bar) << r.row;
        EXPECT_EQ(v.barWidth, r.barWidth) << r.row;
    }
}

}  // namespace
}  // namespace zrt::statuswindow
