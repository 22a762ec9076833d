#include <gtest/gtest.h>

#include "statuswindow/core/job_commands.h"
#include "statuswindow/record/status_record_builder.h"

namespace zrt::statuswindow {
namespace {

TEST(JobList, ShowsTheJobOnlyWhilePrintingWithoutTrouble) {
    const auto printing = status::StatusRecordBuilder()
                              .jobStatus(0x8)
                              .userName(Text(300, u'u'))
                              .computerName(u"\\\\ABCDEFGHIJKLMNOPQRST")
                              .build();
    const status::StatusRecordView view(printing.data(), printing.size());
    const JobListRows rows = jobListContents(&view, u"report.txt");
    EXPECT_EQ(rows.document, u"report.txt");
    EXPECT_EQ(rows.user, Text(256, u'u'));
    EXPECT_EQ(rows.computer, u"ABCDEFGHIJKLMNO") << "backslashes dropped, cut to 15";

    const auto jam = status::StatusRecordBuilder().jobStatus(0x8).printerStatus(0x10000).userName(u"u").build();
    const status::StatusRecordView jamView(jam.data(), jam.size());
    EXPECT_EQ(jobListContents(&jamView, u"doc").document, u"");
    const auto idle = status::StatusRecordBuilder().jobStatus(0x2).build();
    const status::StatusRecordView idleView(idle.data(), idle.size());
    EXPECT_EQ(jobListContents(&idleView, u"doc").document, u"");
    EXPECT_EQ(jobListContents(nullptr, u"doc").document, u"");
}

TEST(JobCommands, GrayedForOtherUsersOnSharedPrintersAndForJobIdZero) {
    const auto withId = status::StatusRecordBuilder().jobId(7).build();
    const auto noId = status::StatusRecordBuilder().jobId(0).build();
    const status::StatusRecordView a(withId.data(), withId.size());
    const status::StatusRecordView b(noId.data(), noId.size());
    struct Row {
        const char* row;
        std::uint32_t kind;
        int user, computer;
        const status::StatusRecordView* record;
        bool grayed;
    } rows[] = {
        {"local shows the display's states", 1, 1, 1, &b, false},
        {"shared, another user on another computer", 0, 1, 1, &a, true},
        {"shared, same user", 0, 0, 1, &a, false},
        {"shared, same computer", 0, 1, 0, &a, false},
        {"network port, job id 0", 2, 0, 0, &b, true},
        {"network port, no record", 2, 0, 0, nullptr, false},
    };
    for (const Row& r : rows) EXPECT_EQ(jobCommandsGrayed(r.kind, r.user, r.computer, r.record), r.grayed) << r.row;
}

TEST(OptionMenu, States) {
    struct Row {
        const char* row;
        std::uint32_t kind, printer, job;
        bool lockOut;
        std::uint32_t displayId;
        bool cleaning, calibration, paperSize, consumables;
        std::uint32_t button;
    } rows[] = {
        {"idle local", 1, 0, 0, false, 300, true, true, true, true, kButtonEnabled},
        {"idle on a server", 0, 0, 0, false, 300, false, true, true, true, kButtonEnabled},
        {"locked out", 1, 0, 0, true, 300, false, false, false, true, kButtonEnabled},
        {"printing", 1, 0, 0x8, false, 200, false, false, false, false, kButtonIndeterminate},
        {"paused during a job", 1, 0x1, 0x8, false, 202, false, false, true, true, kButtonEnabled},
        {"paper out during a job", 1, 0x10000, 0x8, false, 409, false, false, true, true, kButtonEnabled},
        {"paper out display 504", 1, 0x80000000, 0, false, 504, false, false, true, true, kButtonEnabled},
        {"communication error", 1, 0x08000000, 0, false, 501, false, false, false, false, kButtonIndeterminate},
        {"announced job", 1, 0, 0x1000, false, 207, true, true, false, false, kButtonIndeterminate},
    };
    for (const Row& r : rows) {
        const auto data = status::StatusRecordBuilder().printerStatus(r.printer).jobStatus(r.job).build();
        const status::StatusRecordView view(data.data(), data.size());
        const OptionMenuStates s = optionMenuStates(r.kind, &view, r.lockOut, r.displayId);
        EXPECT_EQ(s.cleaning, r.cleaning) << r.row;
        EXPECT_EQ(s.calibration, r.calibration) << r.row;
        EXPECT_EQ(s.paperSize, r.paperSize) << r.row;
        EXPECT_EQ(s.consumables, r.consumables) << r.row;
        EXPECT_EQ(s.consumablesButton, r.button) << r.row;
    }
    const OptionMenuStates none = optionMenuStates(1, nullptr, false, 101);
    EXPECT_FALSE(none.cleaning || none.calibration || none.paperSize || none.consumables);
    EXPECT_EQ(none.consumablesButton, kButtonDisabled);
}

}  // namespace
}  // namespace zrt::statuswindow
