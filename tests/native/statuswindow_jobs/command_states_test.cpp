#include <gtest/gtest.h>

#include <string>

#include "statuswindow/jobcontrol/command_states.h"
#include "statuswindow/record/status_record_builder.h"

namespace zrt::statuswindow::jobcontrol {
namespace {

namespace ms = presentation::menu_state;
namespace ts = presentation::toolbar_state;

// A display that enables Pause and Cancel and grays Resume (printing), with Pause shown pressed
// on the toolbar in the paused set.
constexpr CommandStateSet kPrintingMenu{{{100, ms::kEnabled}, {101, ms::kGrayed}, {103, ms::kEnabled}}};
constexpr CommandStateSet kPrintingToolbar{{{100, ts::kEnabled}, {101, ts::kDisabled}, {103, ts::kEnabled}}};
constexpr CommandStateSet kPausedMenu{{{100, ms::kGrayed}, {101, ms::kEnabled}, {103, ms::kEnabled}}};
constexpr CommandStateSet kPausedToolbar{{{100, ts::kEnabledPressed}, {101, ts::kEnabled}, {103, ts::kEnabled}}};
// A set in another order, missing Cancel.
constexpr CommandStateSet kOddMenu{{{101, ms::kEnabled}, {100, ms::kEnabled}, {999, ms::kEnabled}}};

struct Expected {
    std::uint32_t pause, resume, cancel;
};

std::string show(const CommandStateSet& s) {
    std::string out;
    for (const CommandState& c : s) out += std::to_string(c.command) + ":" + std::to_string(c.state) + " ";
    return out;
}

TEST(JobCommandStates, FollowTheDisplayUnlessTheJobIsNotOurs) {
    const auto job7 = status::StatusRecordBuilder().jobStatus(0x8).jobId(7).build();
    const auto job0 = status::StatusRecordBuilder().jobStatus(0x8).jobId(0).build();
    const status::StatusRecordView withId(job7.data(), job7.size());
    const status::StatusRecordView idZero(job0.data(), job0.size());
    const Expected grayMenu{ms::kGrayed, ms::kGrayed, ms::kGrayed};
    const Expected offToolbar{ts::kDisabled, ts::kDisabled, ts::kDisabled};
    const Expected printingMenu{ms::kEnabled, ms::kGrayed, ms::kEnabled};
    const Expected printingToolbar{ts::kEnabled, ts::kDisabled, ts::kEnabled};
    const Expected pausedToolbar{ts::kEnabledPressed, ts::kEnabled, ts::kEnabled};

    struct Row {
        const char* row;
        std::uint32_t kind;
        int user, computer;
        const status::StatusRecordView* record;
        const CommandStateSet* menu;
        const CommandStateSet* toolbar;
        Expected menuOut, toolbarOut;
    };
    const Row rows[] = {
        {"local, other user and computer: display", 1, 1, 1, &withId, &kPrintingMenu, &kPrintingToolbar, printingMenu, printingToolbar},
        {"local, job id 0: display", 1, 1, 1, &idZero, &kPrintingMenu, &kPrintingToolbar, printingMenu, printingToolbar},
        {"shared, other user and computer", 0, 1, 1, &withId, &kPrintingMenu, &kPrintingToolbar, grayMenu, offToolbar},
        {"network, other user and computer", 2, 1, 1, &withId, &kPausedMenu, &kPausedToolbar, grayMenu, offToolbar},
        {"shared, same user only", 0, 0, 1, &withId, &kPrintingMenu, &kPrintingToolbar, printingMenu, printingToolbar},
        {"shared, same computer only", 0, 1, 0, &withId, &kPausedMenu, &kPausedToolbar, {ms::kGrayed, ms::kEnabled, ms::kEnabled}, pausedToolbar},
        {"shared, ours, job id 0", 0, 0, 0, &idZero, &kPrintingMenu, &kPrintingToolbar, grayMenu, offToolbar},
        {"network, ours, job id 0", 2, 0, 0, &idZero, &kPausedMenu, &kPausedToolbar, grayMenu, offToolbar},
        {"network, no record (matches)", 2, 0, 0, nullptr, &kPrintingMenu, &kPrintingToolbar, printingMenu, printingToolbar},
        {"no display sets yet", 1, 0, 0, &withId, nullptr, nullptr, grayMenu, offToolbar},
        {"set lacking Cancel, other order", 1, 0, 0, &withId, &kOddMenu, &kPrintingToolbar, {ms::kEnabled, ms::kEnabled, ms::kGrayed}, printingToolbar},
    };
    for (const Row& r : rows) {
        const JobCommandStates s = jobCommandStates({r.kind, r.user, r.computer}, r.record, r.menu, r.toolbar);
        const Expected gotMenu{s.menuState(100), s.menuState(101), s.menuState(103)};
        const Expected gotBar{s.toolbarState(100), s.toolbarState(101), s.toolbarState(103)};
        EXPECT_TRUE(gotMenu.pause == r.menuOut.pause && gotMenu.resume == r.menuOut.resume &&
                    gotMenu.cancel == r.menuOut.cancel)
            << r.row << ": menu expected " << r.menuOut.pause << r.menuOut.resume << r.menuOut.cancel
            << ", got " << show(s.menu);
        EXPECT_TRUE(gotBar.pause == r.toolbarOut.pause && gotBar.resume == r.toolbarOut.resume &&
                    gotBar.cancel == r.toolbarOut.cancel)
            << r.row << ": toolbar expected " << r.toolbarOut.pause << "," << r.toolbarOut.resume << ","
            << r.toolbarOut.cancel << ", got " << show(s.toolbar);
        EXPECT_EQ(s.menu[0].command, 100u) << r.row;
        EXPECT_EQ(s.menu[2].command, 103u) << r.row;
    }
}

TEST(OptionStates, ByAttachmentRecordLockOutAndDisplay) {
    struct Row {
        const char* row;
        std::uint32_t kind;
        bool hasRecord;
        std::uint32_t printer, job;
        bool lockOut;
        std::uint32_t display;
        bool cleaning, calibration, paperSize, consumables;
        std::uint32_t button;
    };
    constexpr std::uint32_t on = 4, ind = 0x10, off = 0;
    const Row rows[] = {
        {"no record", 1, false, 0, 0, false, 101, false, false, false, false, off},
        {"idle local", 1, true, 0, 0, false, 300, true, true, true, true, on},
        {"idle shared: no cleaning", 0, true, 0, 0, false, 300, false, true, true, true, on},
        {"idle network", 2, true, 0, 0, false, 300, true, true, true, true, on},
        {"idle, locked out for 30 s", 1, true, 0, 0, true, 300, false, false, false, true, on},
        {"printing", 1, true, 0, 0x8, false, 200, false, false, false, false, ind},
        {"job announced (0x1000)", 1, true, 0, 0x1000, false, 200, true, true, false, false, ind},
        {"paused (0x1) during job", 1, true, 0x1, 0x8, false, 202, false, false, true, true, on},
        {"paper out (0x10000)", 1, true, 0x10000, 0x8, false, 409, false, false, true, true, on},
        {"cassette size (0x40000)", 1, true, 0x40000, 0, false, 300, false, false, true, true, on},
        {"display 504 with other bit", 1, true, 0x100, 0, false, 504, false, false, true, true, on},
        {"locked out beats display 504", 1, true, 0x100, 0, true, 504, false, false, false, true, on},
        {"no connection (0x4000000)", 1, true, 0x4000000, 0, false, 501, false, false, false, false, ind},
        {"error 0x80 during job", 1, true, 0x80, 0x8, false, 400, false, false, false, true, on},
        {"bit 0x2 during job", 1, true, 0x2, 0x8, false, 200, false, false, false, false, ind},
    };
    for (const Row& r : rows) {
        const auto bytes = status::StatusRecordBuilder().printerStatus(r.printer).jobStatus(r.job).jobId(3).build();
        const status::StatusRecordView view(bytes.data(), bytes.size());
        const OptionStates s = optionStates({r.kind, 0, 0}, r.hasRecord ? &view : nullptr, r.lockOut, r.display);
        EXPECT_EQ(s.cleaning, r.cleaning) << r.row << ": cleaning (104)";
        EXPECT_EQ(s.calibration, r.calibration) << r.row << ": calibration (134)";
        EXPECT_EQ(s.paperSize, r.paperSize) << r.row << ": paper size (135)";
        EXPECT_EQ(s.consumables, r.consumables) << r.row << ": consumables (105)";
        EXPECT_EQ(s.consumablesButton, r.button) << r.row << ": consumables button";
    }
}

}  // namespace
}  // namespace zrt::statuswindow::jobcontrol
