#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "presentation/window_frame/window_layout.h"
#include "statuswindow/jobcontrol/job_pane.h"
#include "statuswindow/record/status_record_builder.h"
#include "tests/support/rc_strings.h"

namespace zrt::statuswindow::jobcontrol {
namespace {

using zrt::testing::describe;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The program's string table, with the symbolic ids of its resource header put in as numbers.
zrt::testing::RcStrings programStrings() {
    std::string script = fileText(zrt::testing::rcPath("resources/statuswindow/ZRT7QSWK.rc"));
    const std::string header = fileText(zrt::testing::rcPath("statuswindow/resource_ids.h"));
    const std::regex define(R"(#define\s+(IDS_\w+)\s+(\d+))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        script = std::regex_replace(script, std::regex("\\b" + (*it)[1].str() + "\\b"), (*it)[2].str());
    return zrt::testing::parseRcStrings(script);
}

TEST(JobPane, ColumnsAndRowTitlesFromTheProgramsStrings) {
    const zrt::testing::RcStrings strings = programStrings();
    ASSERT_GT(strings.size(), 5u);
    const auto loaded = [&](std::uint32_t id) -> std::optional<Text> {
        const auto it = strings.find(id);
        if (it == strings.end()) return std::nullopt;
        return it->second;
    };
    const auto columns = jobListColumns(presentation::kWindowLayout);
    EXPECT_EQ(columns[0].width, 90u);
    EXPECT_EQ(columns[1].width, 321u);
    EXPECT_EQ(titleText(columns[0].title, loaded(columns[0].title.stringId)), u"タイトル");
    EXPECT_EQ(titleText(columns[1].title, loaded(columns[1].title.stringId)), u"内容");
    const char16_t* rowTexts[] = {u"ドキュメント名", u"ユーザ名", u"コンピュータ名"};
    for (std::size_t i = 0; i < kJobListRowCount; ++i)
        EXPECT_EQ(titleText(kJobListRowTitles[i], loaded(kJobListRowTitles[i].stringId)), rowTexts[i])
            << "row " << i << ": got " << describe(titleText(kJobListRowTitles[i], loaded(kJobListRowTitles[i].stringId)));
    EXPECT_EQ(titleText({kJobListCaptionId, u""}, loaded(kJobListCaptionId)), u"印刷中ジョブ詳細");
}

TEST(JobPane, EnglishTitlesWhenAStringCannotBeLoaded) {
    const auto columns = jobListColumns(presentation::kWindowLayout);
    EXPECT_EQ(titleText(columns[0].title, std::nullopt), u"Title");
    EXPECT_EQ(titleText(columns[1].title, Text()), u"Contents");
    EXPECT_EQ(titleText(kJobListRowTitles[0], std::nullopt), u"Document name");
    EXPECT_EQ(titleText(kJobListRowTitles[1], std::nullopt), u"User name");
    EXPECT_EQ(titleText(kJobListRowTitles[2], std::nullopt), u"Computer name");
}

TEST(JobPane, Column1ShowsTheJobWhilePrintingWithoutTrouble) {
    struct Row {
        const char* row;
        std::uint32_t printer, job;
        bool shown;
    };
    const Row rows[] = {
        {"printing", 0, 0x8, true},
        {"printing, paused bit 0x1", 0x1, 0x8, true},
        {"printing, paper out 0x10000", 0x10000, 0x8, false},
        {"printing, bit 0x8 (waiting)", 0x8, 0x8, false},
        {"job announced only", 0, 0x1000, false},
        {"job ended", 0, 0x3, false},
    };
    for (const Row& r : rows) {
        const auto bytes = status::StatusRecordBuilder()
                               .printerStatus(r.printer)
                               .jobStatus(r.job)
                               .userName(u"hanako")
                               .computerName(u"\\\\KEIRI-PC-0123456789")  // 20 characters after the backslashes
                               .build();
        const status::StatusRecordView view(bytes.data(), bytes.size());
        const auto texts = jobListColumn1(&view, u"見積書.doc");
        if (r.shown) {
            EXPECT_EQ(texts[0], u"見積書.doc") << r.row;
            EXPECT_EQ(texts[1], u"hanako") << r.row;
            EXPECT_EQ(texts[2], u"KEIRI-PC-012345") << r.row << ": got " << describe(texts[2]);
        } else {
            EXPECT_TRUE(texts[0].empty() && texts[1].empty() && texts[2].empty()) << r.row;
        }
    }
    const auto none = jobListColumn1(nullptr, u"doc");
    EXPECT_TRUE(none[0].empty() && none[1].empty() && none[2].empty()) << "no record";
}

TEST(JobPane, NotificationsAndInput) {
    EXPECT_TRUE(reactionTo(JobListNotification::Click).touchUser);
    const JobListReaction kill = reactionTo(JobListNotification::KillFocus);
    EXPECT_TRUE(kill.clearSelection && kill.refreshJobCommands && !kill.touchUser);
    EXPECT_TRUE(reactionTo(JobListNotification::DividerDoubleClick).repaintWindow);
    const JobListReaction other = reactionTo(JobListNotification::Other);
    EXPECT_FALSE(other.touchUser || other.clearSelection || other.refreshJobCommands || other.repaintWindow);

    const JobListInputHandling mouse = handlingOf(JobListInput::MouseButtonDown);
    EXPECT_TRUE(mouse.swallow && mouse.touchUser && !mouse.forwardToMainWindow) << "rows cannot be selected by mouse";
    const JobListInputHandling cmd = handlingOf(JobListInput::Command);
    EXPECT_TRUE(cmd.swallow && cmd.touchUser);
    const JobListInputHandling chr = handlingOf(JobListInput::Character);
    EXPECT_TRUE(chr.forwardToMainWindow && !chr.swallow);
}

}  // namespace
}  // namespace zrt::statuswindow::jobcontrol
