// Scenario lines -> steps and fields; bad lines -> error and line number.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "testbed/status_monitor/scenario.h"

namespace zrt::testbed {
namespace {

struct FieldRow {
    const char* name;
    const char* line;
    std::uint32_t atMs;
    std::function<void(StatusFields&)> expect;  // applied to default fields
};

const FieldRow kFieldRows[] = {
    {"empty status", "at 0ms status", 0, [](StatusFields&) {}},
    {"printer hex", "at 5ms status printer=0x800000", 5, [](StatusFields& f) { f.printer = 0x800000; }},
    {"decimal", "at 1s status printer=16", 1000, [](StatusFields& f) { f.printer = 16; }},
    {"servicecall", "at 0ms status servicecall=0x200", 0, [](StatusFields& f) { f.serviceCall = 0x200; }},
    {"job bits joined", "at 0ms status job=0x1|0x2", 0, [](StatusFields& f) { f.job = 3; }},
    {"warning bit 31", "at 0ms status warning=0x80000000", 0, [](StatusFields& f) { f.warning = 0x80000000; }},
    {"cartridge", "at 0ms status cartridge=0xF000", 0, [](StatusFields& f) { f.cartridge = 0xF000; }},
    {"jam", "at 0ms status jam=0x400000", 0, [](StatusFields& f) { f.jam = 0x400000; }},
    {"source", "at 0ms status source=1", 0, [](StatusFields& f) { f.source = 1; }},
    {"loaded paper", "at 0ms status paper.tray=11 paper.cassette1=9", 0,
     [](StatusFields& f) { f.paperTray = 11; f.paperCassette1 = 9; }},
    {"requested", "at 0ms status requested=13", 0, [](StatusFields& f) { f.requestedPaper = 13; }},
    {"pages", "at 0ms status jobid=12 total=5 current=2 printed=1", 0,
     [](StatusFields& f) { f.jobId = 12; f.total = 5; f.current = 2; f.printed = 1; }},
    {"phase and illegal", "at 0ms status phase=3 illegal=0xC0000000", 0,
     [](StatusFields& f) { f.phase = 3; f.illegal = 0xC0000000; }},
    {"texts with blanks and backslashes",
     "at 0ms status document=\"my report.txt\" user=\"taro\" computer=\"\\\\PC1\"", 0,
     [](StatusFields& f) { f.document = u"my report.txt"; f.user = u"taro"; f.computer = u"\\\\PC1"; }},
    {"japanese text", "at 0ms status document=\"報告書\"", 0, [](StatusFields& f) { f.document = u"報告書"; }},
    {"empty text", "at 0ms status user=\"\"", 0, [](StatusFields&) {}},
    {"hash inside text", "at 0ms status document=\"a # b\" # comment", 0,
     [](StatusFields& f) { f.document = u"a # b"; }},
    {"largest number", "at 0ms status total=4294967295", 0, [](StatusFields& f) { f.total = 0xFFFFFFFF; }},
    {"tabs, CR and comment", "\tat 7ms\tstatus current=4  # page four\r", 7, [](StatusFields& f) { f.current = 4; }},
};

TEST(ScenarioParse, StatusLineGivesFields) {
    for (const FieldRow& row : kFieldRows) {
        const ScenarioParse parsed = parseScenario(row.line);
        ASSERT_TRUE(parsed.ok()) << row.name << ": " << describe(*parsed.problem);
        ASSERT_EQ(parsed.steps.size(), 1U) << row.name;
        StatusFields expected;
        row.expect(expected);
        const auto* got = std::get_if<StatusFields>(&parsed.steps[0].action);
        ASSERT_NE(got, nullptr) << row.name;
        EXPECT_TRUE(*got == expected) << row.name;
        EXPECT_EQ(parsed.steps[0].atMs, row.atMs) << row.name;
        EXPECT_EQ(parsed.steps[0].line, 1U) << row.name;
    }
}

struct ActionRow {
    const char* name;
    const char* line;
    StepAction expected;
};

TEST(ScenarioParse, OtherActions) {
    const ActionRow rows[] = {
        {"connection", "at 0ms connection code=2", ConnectionStep{2}},
        {"rename", "at 0ms rename \"New name\"", RenameStep{u"New name"}},
        {"rename japanese", "at 0ms rename \"プリンタ 2\"", RenameStep{u"プリンタ 2"}},
        {"reset", "at 0ms message reset", MessageStep{PrivateMessage::Reset, 0}},
        {"quit", "at 0ms message quit", MessageStep{PrivateMessage::Quit, 0}},
        {"show without mode", "at 0ms message show", MessageStep{PrivateMessage::Show, 0}},
        {"show mode", "at 0ms message show mode=1", MessageStep{PrivateMessage::Show, 1}},
        {"quitall", "at 0ms message quitall", MessageStep{PrivateMessage::QuitAll, 0}},
        {"quit request", "at 0ms quit-request", QuitRequestStep{}},
    };
    for (const ActionRow& row : rows) {
        const ScenarioParse parsed = parseScenario(row.line);
        ASSERT_TRUE(parsed.ok()) << row.name << ": " << describe(*parsed.problem);
        ASSERT_EQ(parsed.steps.size(), 1U) << row.name;
        EXPECT_TRUE(parsed.steps[0].action == row.expected) << row.name;
    }
}

TEST(ScenarioParse, StatusKeepsFieldsOfTheLineBefore) {
    const ScenarioParse parsed = parseScenario(
        "# job\n"
        "at 0ms status job=0x8 total=5 current=1 document=\"a.txt\"\n"
        "\n"
        "at 10ms connection code=1\n"
        "at 20ms status current=2\n");
    ASSERT_TRUE(parsed.ok()) << describe(*parsed.problem);
    ASSERT_EQ(parsed.steps.size(), 3U);
    EXPECT_EQ(parsed.steps[2].line, 5U);
    EXPECT_EQ(parsed.steps[2].atMs, 20U);
    const auto& later = std::get<StatusFields>(parsed.steps[2].action);
    EXPECT_EQ(later.job, 8U);
    EXPECT_EQ(later.total, 5U);
    EXPECT_EQ(later.current, 2U);
    EXPECT_EQ(later.document, u"a.txt");
}

TEST(ScenarioParse, ByteOrderMarkAndEmptyText) {
    EXPECT_TRUE(parseScenario("").ok());
    const ScenarioParse parsed = parseScenario("\xEF\xBB\xBF" "at 0ms status job=8\n");
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.steps.size(), 1U);
}

struct ErrorRow {
    const char* name;
    const char* text;
    std::size_t line;
    ScenarioError error;
    const char* detail;
};

const ErrorRow kErrorRows[] = {
    {"no at", "status job=8", 1, ScenarioError::MissingTime, "status"},
    {"at alone", "at", 1, ScenarioError::MissingTime, "at"},
    {"time without unit", "at 100 status", 1, ScenarioError::BadTime, "100"},
    {"time not a number", "at xms status", 1, ScenarioError::BadTime, "xms"},
    {"time too large", "at 4294968s status", 1, ScenarioError::BadTime, "4294968s"},
    {"time backwards", "at 20ms status\nat 10ms status", 2, ScenarioError::TimeOutOfOrder, "10ms"},
    {"no action", "at 0ms", 1, ScenarioError::UnknownAction, ""},
    {"unknown action", "at 0ms jump", 1, ScenarioError::UnknownAction, "jump"},
    {"unknown field", "\n\nat 0ms status colour=1", 3, ScenarioError::UnknownField, "colour=1"},
    {"field without =", "at 0ms status job", 1, ScenarioError::MissingValue, "job"},
    {"field without value", "at 0ms status job=", 1, ScenarioError::MissingValue, "job="},
    {"bad number", "at 0ms status job=0x", 1, ScenarioError::BadNumber, "job=0x"},
    {"negative number", "at 0ms status job=-1", 1, ScenarioError::BadNumber, "job=-1"},
    {"bad joined number", "at 0ms status job=1|", 1, ScenarioError::BadNumber, "job=1|"},
    {"number too large", "at 0ms status total=4294967296", 1, ScenarioError::NumberTooLarge, "total=4294967296"},
    {"hex too large", "at 0ms status job=0x100000000", 1, ScenarioError::NumberTooLarge, "job=0x100000000"},
    {"text without quotes", "at 0ms status user=taro", 1, ScenarioError::BadText, "user=taro"},
    {"number in quotes", "at 0ms status job=\"8\"", 1, ScenarioError::BadNumber, "job=\"8\""},
    {"open quote", "at 0ms status user=\"taro", 1, ScenarioError::BadText, "user=\"taro"},
    {"bad utf8", "at 0ms status user=\"\xC3\x28\"", 1, ScenarioError::BadUtf8, "user=\"\xC3\x28\""},
    {"connection without code", "at 0ms connection", 1, ScenarioError::MissingArgument, "code="},
    {"connection other field", "at 0ms connection job=1", 1, ScenarioError::UnknownField, "job=1"},
    {"connection extra", "at 0ms connection code=1 x", 1, ScenarioError::ExtraText, "x"},
    {"rename without name", "at 0ms rename", 1, ScenarioError::MissingArgument, "rename"},
    {"rename unquoted", "at 0ms rename Printer", 1, ScenarioError::BadText, "Printer"},
    {"rename extra", "at 0ms rename \"a\" \"b\"", 1, ScenarioError::ExtraText, "\"b\""},
    {"message without name", "at 0ms message", 1, ScenarioError::MissingArgument, "message"},
    {"unknown message", "at 0ms message hide", 1, ScenarioError::UnknownAction, "hide"},
    {"reset with field", "at 0ms message reset mode=1", 1, ScenarioError::ExtraText, "mode=1"},
    {"quit request extra", "at 0ms quit-request now", 1, ScenarioError::ExtraText, "now"},
};

TEST(ScenarioParse, BadLinesGiveErrorAndLine) {
    for (const ErrorRow& row : kErrorRows) {
        const ScenarioParse parsed = parseScenario(row.text);
        ASSERT_FALSE(parsed.ok()) << row.name;
        EXPECT_TRUE(parsed.steps.empty()) << row.name;
        EXPECT_EQ(parsed.problem->line, row.line) << row.name;
        EXPECT_EQ(parsed.problem->error, row.error)
            << row.name << ": expected " << errorName(row.error) << ", got "
            << errorName(parsed.problem->error);
        EXPECT_EQ(parsed.problem->detail, row.detail) << row.name;
    }
}

TEST(ScenarioParse, DescribeNamesLineAndReason) {
    const ScenarioParse parsed = parseScenario("at 0ms status\nat 1ms status foo=1\n");
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(describe(*parsed.problem), "line 2: unknown field 'foo=1'");
}

}  // namespace
}  // namespace zrt::testbed
