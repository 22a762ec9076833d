// Record bytes of scenario steps, read back through the status window's record views; and the
// sample scenarios of testbed/scenarios.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "statuswindow/record/status_record.h"
#include "testbed/status_monitor/delivery.h"
#include "testbed/status_monitor/scenario.h"

namespace zrt::testbed {
namespace {

using status::StatusRecordView;
namespace off = status::offsets;

Delivery onlyDelivery(const char* text) {
    const ScenarioParse parsed = parseScenario(text);
    EXPECT_TRUE(parsed.ok()) << (parsed.ok() ? "" : describe(*parsed.problem));
    EXPECT_EQ(parsed.steps.size(), 1U);
    if (parsed.steps.empty()) return {};
    const auto delivery = deliveryOf(parsed.steps[0].action);
    EXPECT_TRUE(delivery.has_value());
    return delivery.value_or(Delivery{});
}

TEST(ScenarioRecord, EveryFieldLandsAtItsOffset) {
    const Delivery d = onlyDelivery(
        "at 0ms status printer=0x1 servicecall=0x2 job=0x3 warning=0x4 cartridge=0x5 jam=0x6 "
        "source=1 paper.tray=11 paper.cassette1=9 requested=13 jobid=14 total=15 current=16 "
        "printed=17 phase=18 illegal=0x40000000 document=\"doc\" user=\"usr\" computer=\"\\\\PC\"");
    EXPECT_EQ(d.kind, 1U);
    EXPECT_EQ(d.wParam, kDeliveryWParam);
    const StatusRecordView view(d.data.data(), d.data.size());
    const struct { const char* name; std::size_t offset; std::uint32_t value; } rows[] = {
        {"printer", off::kPrinterStatus, 1},     {"servicecall", off::kServiceCallStatus, 2},
        {"job", off::kJobStatus, 3},             {"warning", off::kWarningStatus, 4},
        {"cartridge", off::kCartridgeStatus, 5}, {"jam", off::kJamStatus, 6},
        {"source", off::kPaperSource, 1},        {"requested", off::kRequestedPaper, 13},
        {"jobid", off::kJobId, 14},              {"total", off::kTotalPages, 15},
        {"current", off::kCurrentPage, 16},      {"printed", off::kPagesPrinted, 17},
        {"phase", off::kPrintingPhase, 18},      {"illegal", off::kIllegalConnection, 0x40000000},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(view.field(row.offset), row.value) << row.name;
    }
    EXPECT_EQ(view.loadedPaper(status::PaperSource::MultiPurposeTray), 11U);
    EXPECT_EQ(view.loadedPaper(status::PaperSource::Cassette1), 9U);
    EXPECT_EQ(view.documentName(), u"doc");
    EXPECT_EQ(view.userName(), u"usr");
    EXPECT_EQ(view.computerName(), u"\\\\PC");
}

TEST(ScenarioRecord, TextsAreUtf16AndEmptyTextsPresent) {
    const Delivery d = onlyDelivery("at 0ms status document=\"月次報告書.txt\"");
    const StatusRecordView view(d.data.data(), d.data.size());
    EXPECT_EQ(view.documentName(), u"月次報告書.txt");
    EXPECT_NE(view.userNameOffset(), 0U);  // an empty text still has its place
    EXPECT_EQ(view.userName(), u"");
    EXPECT_GE(d.data.size(), off::kFixedPartSize);
}

TEST(ScenarioRecord, ConnectionRenameAndQuitRequest) {
    const Delivery connection = onlyDelivery("at 0ms connection code=3");
    EXPECT_EQ(connection.kind, 2U);
    const status::ConnectionRecordView view(connection.data.data(), connection.data.size());
    EXPECT_EQ(view.code(), 3U);

    const Delivery rename = onlyDelivery("at 0ms rename \"新\"");
    EXPECT_EQ(rename.kind, 3U);
    const std::vector<std::uint8_t> expected = {0xB0, 0x65, 0, 0};  // U+65B0, NUL
    EXPECT_EQ(rename.data, expected);

    const Delivery quit = onlyDelivery("at 0ms quit-request");
    EXPECT_EQ(quit.wParam, status::kQuitRequestWParam);
    EXPECT_TRUE(quit.data.empty());

    EXPECT_FALSE(deliveryOf(MessageStep{PrivateMessage::Show, 1}).has_value());
}

std::string readSample(const std::string& name) {
    std::ifstream file(std::string(ZRT_SOURCE_DIR) + "/testbed/scenarios/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The views point into `deliveries`, which must outlive them.
std::vector<StatusRecordView> statusViews(const std::vector<Delivery>& deliveries) {
    std::vector<StatusRecordView> views;
    for (const Delivery& d : deliveries) {
        if (d.kind == 1) views.emplace_back(d.data.data(), d.data.size());
    }
    return views;
}

std::vector<Delivery> sampleDeliveries(const char* name) {
    const ScenarioParse parsed = parseScenario(readSample(name));
    EXPECT_TRUE(parsed.ok()) << name << ": " << (parsed.ok() ? "" : describe(*parsed.problem));
    EXPECT_FALSE(parsed.steps.empty()) << name;
    std::vector<Delivery> deliveries;
    for (const ScenarioStep& step : parsed.steps) {
        if (auto d = deliveryOf(step.action)) deliveries.push_back(std::move(*d));
    }
    return deliveries;
}

TEST(SampleScenarios, PrintJobCountsFivePagesAndEnds) {
    const auto deliveries = sampleDeliveries("print_job.scn");
    const auto views = statusViews(deliveries);
    ASSERT_GE(views.size(), 6U);
    std::uint32_t lastPage = 0;
    for (const auto& view : views) {
        EXPECT_GE(view.currentPage(), lastPage);
        lastPage = view.currentPage();
        EXPECT_EQ(view.totalPages(), 5U);
        EXPECT_EQ(view.documentName(), u"月次報告書.txt");
        EXPECT_EQ(view.computerName(), u"\\\\PC1");
    }
    EXPECT_EQ(lastPage, 5U);
    EXPECT_EQ(views.back().jobStatus() & 0x3U, 0x3U);
    EXPECT_EQ(views.back().pagesPrinted(), 5U);
    for (std::size_t i = 0; i + 1 < views.size(); ++i) EXPECT_NE(views[i].jobStatus() & 0x3U, 0x3U);
}

TEST(SampleScenarios, PaperOutIsRaisedAndResolved) {
    const auto deliveries = sampleDeliveries("paper_out.scn");  // the views point into it
    const auto views = statusViews(deliveries);
    bool sawPaperOut = false;
    for (const auto& view : views) {
        if (view.printerStatus() & status::printer_status::kPaperOutAtSource) {
            sawPaperOut = true;
            EXPECT_EQ(view.paperSource(), 1U);
            EXPECT_NE(view.warningStatus() & status::warning_status::kCassette1Empty, 0U);
        }
    }
    EXPECT_TRUE(sawPaperOut);
    EXPECT_EQ(views.back().printerStatus() & status::printer_status::kErrorMask, 0U);
    EXPECT_EQ(views.back().jobStatus() & 0x3U, 0x3U);
}

TEST(SampleScenarios, DemoJamsInsideWithCoverOpenThenFinishes) {
    const auto deliveries = sampleDeliveries("demo.scn");
    const auto views = statusViews(deliveries);
    bool sawJamWithCoverOpen = false;
    for (const auto& view : views) {
        const std::uint32_t ps = view.printerStatus();
        if ((ps & status::printer_status::kPaperJam) && (ps & status::printer_status::kCoverOpen)) {
            sawJamWithCoverOpen |= (view.jamStatus() & 0x400000U) != 0;
        }
    }
    EXPECT_TRUE(sawJamWithCoverOpen);
    EXPECT_EQ(views.back().printerStatus(), 0U);
    EXPECT_EQ(views.back().jobStatus() & 0x3U, 0x3U);
}

}  // namespace
}  // namespace zrt::testbed
