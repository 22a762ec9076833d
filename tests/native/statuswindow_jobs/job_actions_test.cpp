#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "statuswindow/jobcontrol/job_actions.h"
#include "statuswindow/record/status_record_builder.h"

namespace zrt::statuswindow::jobcontrol {
namespace {

std::string describeAll(const std::vector<JobAction>& actions) {
    std::string out;
    for (const JobAction& a : actions) out += (out.empty() ? "" : ", ") + describe(a);
    return out.empty() ? "(none)" : out;
}

TEST(JobCommandActions, EachCommandAsksWhatItShould) {
    const auto bytes = status::StatusRecordBuilder().jobStatus(0x8).jobId(42).build();
    const status::StatusRecordView record(bytes.data(), bytes.size());
    const JobCommandContext held{&record, 200, 5};
    const JobCommandContext none{nullptr, 101, 5};
    struct Row {
        const char* row;
        std::uint32_t command;
        CommandSource source;
        const JobCommandContext* context;
        const char* expected;
    };
    const Row rows[] = {
        {"pause from menu", 100, CommandSource::Menu, &held, "JobRequest(2049, 0)"},
        {"pause from toolbar", 100, CommandSource::Toolbar, &held, "JobRequest(2049, 0)"},
        {"resume", 101, CommandSource::Menu, &held, "JobRequest(2050, 0)"},
        {"command 102", 102, CommandSource::Menu, &held, "JobRequest(2051, 0)"},
        {"cancel with job id", 103, CommandSource::Toolbar, &held, "JobRequest(2048, 42), RefreshJobCommands"},
        {"cancel without record", 103, CommandSource::Menu, &none, "RefreshJobCommands"},
        {"cleaning", 104, CommandSource::Menu, &none, "SubmitCleaningPage, GrayItems(1)"},
        {"refresh with session id", 106, CommandSource::Toolbar, &held, "RequestStatus(0), JobRequest(2060, 5), RefreshJobCommands"},
        {"calibration", 134, CommandSource::Menu, &held, "DeviceRequest(1), GrayItems(1)"},
        {"preferences is no job command", 120, CommandSource::Menu, &held, "(none)"},
        {"consumables is no job command", 105, CommandSource::Toolbar, &held, "(none)"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(describeAll(jobCommandActions(r.command, r.source, *r.context)), r.expected) << r.row;
}

TEST(JobCommandActions, ResumeVariantsOfMenuAndToolbar) {
    struct Row {
        const char* row;
        CommandSource source;
        std::uint32_t printer, job, display;
        const char* expected;
    };
    const Row rows[] = {
        {"menu, printer 0x8 and 0x40000", CommandSource::Menu, 0x40008, 0, 202, "JobRequest(2053, 0), GrayItems(2)"},
        {"menu, printer 0x8 only", CommandSource::Menu, 0x8, 0x40000, 202, "JobRequest(2050, 0)"},
        {"menu, printer 0x40000 only", CommandSource::Menu, 0x40000, 0, 202, "JobRequest(2050, 0)"},
        {"menu ignores display 409", CommandSource::Menu, 0x10000, 0x8, 409, "JobRequest(2050, 0)"},
        {"toolbar, display 409: nothing", CommandSource::Toolbar, 0x40008, 0x40000, 409, "(none)"},
        {"toolbar, printer 0x8 and job 0x40000", CommandSource::Toolbar, 0x8, 0x40000, 202, "JobRequest(2053, 0), GrayItems(2)"},
        {"toolbar, printer 0x8 and 0x40000", CommandSource::Toolbar, 0x40008, 0, 202, "JobRequest(2050, 0)"},
        {"toolbar, plain pause", CommandSource::Toolbar, 0x1, 0x8, 202, "JobRequest(2050, 0)"},
    };
    for (const Row& r : rows) {
        const auto bytes = status::StatusRecordBuilder().printerStatus(r.printer).jobStatus(r.job).build();
        const status::StatusRecordView record(bytes.data(), bytes.size());
        EXPECT_EQ(describeAll(jobCommandActions(101, r.source, {&record, r.display, 0})), r.expected) << r.row;
    }
    EXPECT_EQ(describeAll(jobCommandActions(101, CommandSource::Toolbar, {nullptr, 101, 0})), "JobRequest(2050, 0)")
        << "no record";
}

TEST(JobCommandActions, GrayedItems) {
    EXPECT_EQ(grayedItems({ActionKind::GrayItems, 1}), (std::vector<std::uint32_t>{104, 134, 135}));
    EXPECT_EQ(grayedItems({ActionKind::GrayItems, 2}), (std::vector<std::uint32_t>{104, 134}));
    EXPECT_TRUE(grayedItems({ActionKind::RefreshJobCommands}).empty());
}

TEST(CommandOrNotification, OnlyControlNotificationsAreSetAside) {
    struct Case {
        const char* row;
        bool fromControl;
        std::uint32_t code;
        bool notification;
    };
    const Case cases[] = {
        {"menu item", false, 0, false},
        {"accelerator", false, 1, false},
        {"toolbar button click", true, 0, false},
        {"detail pane EN_VSCROLL", true, 0x602, true},
        {"detail pane EN_SETFOCUS", true, 0x100, true},
        {"detail pane EN_CHANGE", true, 0x300, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isControlNotification(c.fromControl, c.code), c.notification) << c.row;
    }
}

}  // namespace
}  // namespace zrt::statuswindow::jobcontrol
