#include <gtest/gtest.h>

#include <string>

#include "statuswindow/preferences/preferences_model.h"
#include "tests/support/rc_strings.h"

namespace zrt::statuswindow::preferences {
namespace {

std::string describe(const std::vector<SettingWrite>& writes) {
    std::string out;
    for (const SettingWrite& w : writes)
        out += (out.empty() ? "" : ", ") + zrt::testing::toUtf8(std::u16string(w.name)) + "=" + std::to_string(w.value);
    return out;
}

TEST(PreferencesDialog, InitialControlsFromTheLiveValues) {
    struct Row {
        const char* row;
        Preferences live;
        std::uint32_t showing, sound, monitor;
        bool top;
    };
    const Row rows[] = {
        {"defaults", {}, 1001, 1004, 1013, false},
        {"error only, errors, always, top", {1, 1, 1, 1}, 1002, 1005, 1011, true},
        {"while printing, no sounds", {0, 0, 2, 0}, 1001, 1006, 1012, false},
        {"out-of-range values", {7, 9, 9, 3}, 1001, 1004, 1013, true},
    };
    for (const Row& r : rows) {
        const InitialControls c = initialControls(r.live, {});
        EXPECT_EQ(c.showingRadio, r.showing) << r.row;
        EXPECT_EQ(c.soundRadio, r.sound) << r.row;
        EXPECT_EQ(c.monitorRadio, r.monitor) << r.row;
        EXPECT_EQ(c.alwaysOnTopChecked, r.top) << r.row;
        EXPECT_TRUE(c.disabled.empty()) << r.row;
    }
}

TEST(PreferencesDialog, DisabledGroups) {
    EXPECT_EQ(initialControls({}, {false, 1}).disabled, (std::vector<std::uint32_t>{1003, 1004, 1005, 1006}))
        << "no wave device: sound label and radios";
    EXPECT_EQ(initialControls({}, {true, 0}).disabled, (std::vector<std::uint32_t>{1011, 1012, 1013}))
        << "shared on a server: monitoring radios";
    EXPECT_EQ(initialControls({}, {false, 0}).disabled.size(), 7u);
    EXPECT_TRUE(initialControls({}, {true, 2}).disabled.empty());
}

TEST(PreferencesDialog, ClicksSetTheWorkingCopies) {
    PreferencesDialogModel model({0, 2, 0, 0});
    const auto group = model.onClick(1002, true);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->first, 1001u);
    EXPECT_EQ(group->last, 1002u);
    EXPECT_EQ(model.onClick(1006, true)->first, 1004u);
    EXPECT_EQ(model.onClick(1011, true)->last, 1013u);
    EXPECT_FALSE(model.onClick(1009, true));
    EXPECT_TRUE(model.working() == (Preferences{1, 1, 2, 1}));
    model.onClick(1012, true);
    model.onClick(1005, true);
    model.onClick(1009, false);
    model.onClick(1001, true);
    EXPECT_TRUE(model.working() == (Preferences{0, 0, 1, 0}));
    EXPECT_FALSE(model.onClick(1, true)) << "OK is no preference";
    EXPECT_TRUE(model.working() == (Preferences{0, 0, 1, 0}));
}

TEST(PreferencesDialog, WhatOkWritesPerWindowsVersion) {
    const Preferences w{1, 0, 2, 1};
    EXPECT_EQ(describe(settingsWrittenOnOk(w, 5)), "Showing=1, SoundMessage=2, StatusSense=0, AlwaysOnTop=1");
    EXPECT_EQ(describe(settingsWrittenOnOk(w, 6)), "Showing=1, SoundMessage=2, AlwaysOnTop=1");
    EXPECT_EQ(describe(settingsWrittenOnOk(w, 10)), "Showing=1, SoundMessage=2, AlwaysOnTop=1");
}

TEST(PreferencesDialog, AfterTheDialog) {
    struct Row {
        const char* row;
        Preferences before, after;
        std::uint32_t major;
        std::optional<std::uint32_t> request;
        bool topmost;
    };
    const Row rows[] = {
        {"monitoring changed on 6.0", {0, 2, 0, 0}, {0, 1, 0, 0}, 6, 1u, false},
        {"monitoring changed to 0 on 6.1", {0, 2, 0, 1}, {0, 0, 0, 1}, 6, 0u, true},
        {"monitoring changed on 5.1: value 0", {0, 2, 0, 0}, {0, 1, 0, 0}, 5, 0u, false},
        {"nothing changed (Cancel)", {0, 2, 0, 1}, {0, 2, 0, 1}, 6, std::nullopt, true},
        {"only on top changed", {0, 2, 0, 0}, {0, 2, 0, 1}, 6, std::nullopt, true},
    };
    for (const Row& r : rows) {
        const AfterDialog a = afterDialog(r.before, r.after, r.major);
        EXPECT_EQ(a.monitoringRequestValue, r.request) << r.row;
        EXPECT_EQ(a.topmost, r.topmost) << r.row;
    }
}

}  // namespace
}  // namespace zrt::statuswindow::preferences
