#include <gtest/gtest.h>

#include <string>

#include "statuswindow/sounds/sound_rules.h"
#include "statuswindow/sounds/sound_table.h"
#include "tests/support/rc_strings.h"

namespace zrt::statuswindow::sounds {
namespace {

using zrt::testing::toUtf8;

SoundValue str(const char16_t* name, const char16_t* file) { return {name, true, file, true}; }

SoundTable fourSounds() {
    return SoundTable::fromValues({
        str(u"printcomplete", u"C:\\s\\done.wav"),
        str(u"Title", u"C:\\s\\title.wav"),
        str(u"PRINTERSERVICEERROR", u"C:\\s\\service.wav"),
        str(u"PrinterError", u"C:\\s\\error.wav"),
    });
}

TEST(SoundTable, TakesOnlyTheFourNamesWithTheirClasses) {
    const SoundTable table = SoundTable::fromValues({
        str(u"Other", u"x.wav"),
        str(u"printererror", u"err.wav"),
        {u"Title", false, u"", true},                 // not a string: skipped
        {u"PrintComplete", true, u"long.wav", false},  // did not fit the read limits: skipped
        str(u"PrintComplete", u"done.wav"),
        str(u"PrinterErrorX", u"y.wav"),
    });
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.entries()[0].soundClass, SoundClass::Error);
    EXPECT_EQ(table.entries()[1].soundClass, SoundClass::Normal);
    EXPECT_EQ(table.find(u"PRINTERERROR")->fileName, u"err.wav");
    EXPECT_EQ(table.find(u"Title"), nullptr);
    EXPECT_EQ(classOfName(u"tItLe"), SoundClass::Normal);
    EXPECT_EQ(classOfName(u"PrinterServiceError"), SoundClass::Error);
    EXPECT_FALSE(classOfName(u"Printer Error"));
}

TEST(SoundTable, HoldsAtMostTwentyEntries) {
    std::vector<SoundValue> values;
    for (int i = 0; i < 25; ++i) values.push_back(str(u"Title", u"t.wav"));
    EXPECT_EQ(SoundTable::fromValues(values).size(), kMaxEntries);
}

TEST(SoundDecision, FileByPreferenceDeviceAndName) {
    const SoundTable table = fourSounds();
    const SoundTable empty;
    struct Row {
        const char* row;
        const SoundTable* table;
        const char16_t* name;
        std::uint32_t soundMessage;
        bool device;
        const char16_t* expected;  // nullptr: nothing plays
    };
    const Row rows[] = {
        {"all sounds, complete", &table, u"PrintComplete", 0, true, u"C:\\s\\done.wav"},
        {"all sounds, error", &table, u"PrinterError", 0, true, u"C:\\s\\error.wav"},
        {"errors only, paper out plays", &table, u"PrinterError", 1, true, u"C:\\s\\error.wav"},
        {"errors only, service error plays", &table, u"printerserviceerror", 1, true, u"C:\\s\\service.wav"},
        {"errors only, complete is silent", &table, u"PrintComplete", 1, true, nullptr},
        {"errors only, title is silent", &table, u"Title", 1, true, nullptr},
        {"no sounds", &table, u"PrinterError", 2, true, nullptr},
        {"unknown preference value", &table, u"PrinterError", 7, true, nullptr},
        {"no wave device", &table, u"PrinterError", 0, false, nullptr},
        {"empty table", &empty, u"PrinterError", 0, true, nullptr},
        {"name not in the key", &table, u"PrinterWarning", 0, true, nullptr},
    };
    for (const Row& r : rows) {
        const std::optional<Text> file = fileToPlay(*r.table, r.name, r.soundMessage, r.device);
        if (r.expected == nullptr) {
            EXPECT_FALSE(file) << r.row << ": expected nothing, got " << (file ? toUtf8(*file) : "");
        } else {
            EXPECT_EQ(file.value_or(u"(nothing)"), r.expected) << r.row;
        }
    }
}

TEST(SoundDecision, WhoMayHear) {
    struct Row {
        const char* row;
        std::uint32_t display;
        bool record;
        SoundListener who;
        bool sounds;
    };
    const Row rows[] = {
        {"local job of another user", 409, true, {1, 1, 1}, true},
        {"shared, other user and computer", 409, true, {0, 1, 1}, false},
        {"shared, other user, same computer", 409, true, {0, 1, 0}, true},
        {"shared, same user, other computer", 301, true, {0, 0, 1}, true},
        {"network port, other user and computer", 409, true, {2, 1, 1}, true},
        {"shared, strangers, display 100", 100, true, {0, 1, 1}, true},
        {"no record, display 100", 100, false, {0, 0, 0}, true},
        {"no record, display 102", 102, false, {0, 0, 0}, true},
        {"no record, display 507", 507, false, {1, 0, 0}, true},
        {"no record, display 501", 501, false, {1, 0, 0}, false},
    };
    for (const Row& r : rows) EXPECT_EQ(displayMaySound(r.display, r.record, r.who), r.sounds) << r.row;
}

}  // namespace
}  // namespace zrt::statuswindow::sounds
