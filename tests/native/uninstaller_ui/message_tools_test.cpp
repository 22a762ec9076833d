// The message-debug dialog's rows and test arguments, the localization walk, and the run
// presentation rules of the progress window.
#include "tests/native/uninstaller_ui/ui_fixture.h"
#include "uninstaller/ui/message_tools/localization_check.h"
#include "uninstaller/ui/message_tools/message_debug.h"

namespace zrt::un::testing {
namespace {

constexpr const char* kProgramFolder = "C:\\PROGRAM FILES\\VEMAR\\";
constexpr WindowRef kMainWindow = 0x1234;
constexpr WindowRef kDebugDialog = 0x5678;

class MessageDebugTest : public UiTest {
protected:
    MessageDebugTest() { catalog.setProgramFolder(kProgramFolder); }
};

TEST_F(MessageDebugTest, ListsTheSeventeenInteractiveMessagesAsTheTableHoldsThem) {
    const auto rows = messageDebugRows(catalog, fake.machine().text);
    const std::vector<std::pair<const char*, unsigned>> expected = {
        {"IDS_STRING_MSG1", 12},      {"IDS_STRING_MSG2", 13},       {"IDS_STRING_MSG4", 61},
        {"IDS_STRING_ERRMSG1", 2},    {"IDS_STRING_ERRMSG2", 4},     {"IDS_STRING_ERRMSG3", 9},
        {"IDS_STRING_ERRMSG4", 11},   {"IDS_STRING_ERRMSG5", 16},    {"IDS_STRING_ERRMSG6", 18},
        {"IDS_STRING_QL2ACTIVE", 17}, {"IDS_STRING_OJMACTIVE", 25},  {"IDS_STRING_FILENOTFOUND", 30},
        {"IDS_STRING_PROFILEERROR", 31}, {"IDS_STRING_CLEANUP_MSG", 32},
        {"IDS_STRING_ERR_WINFW1", 1108}, {"IDS_STRING_ERRMSG_EXEC_MODULE", 68},
        {"IDS_STRING_ERRMEMORY", 1109},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].symbol, expected[i].first) << "row " << i;
        EXPECT_EQ(rows[i].stringId, expected[i].second) << "row " << i;
        EXPECT_EQ(rows[i].text, uiStrings().at(expected[i].second)) << "row " << i;
    }
    EXPECT_EQ(rows[0].text, "プリンタ '%s' を削除してもよろしいですか?") << "placeholders unconverted";
}

TEST_F(MessageDebugTest, ShowsTheSelectedMessageWithArgumentsFromTheFile) {
    fake.addFile(std::string(kProgramFolder) + kDebugMessageFile,
                 "[IDS_STRING_MSG2]\r\nINPUT_01=Office\r\nINPUT_02=OfficeShare\r\n");
    const auto rows = messageDebugRows(catalog, fake.machine().text);
    MessageDebug debug(catalog);
    debug.open();
    EXPECT_EQ(debug.showSelected(kDebugDialog, rows), 0) << "nothing selected yet";
    EXPECT_TRUE(fake.shownBoxes().empty());

    debug.rowSelected(1);  // IDS_STRING_MSG2, message 13
    fake.scriptAnswer(kAnswerNo);
    EXPECT_EQ(debug.showSelected(kDebugDialog, rows), kAnswerNo);
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    const ShownBox& box = fake.shownBoxes()[0];
    EXPECT_EQ(box.owner, kDebugDialog);
    EXPECT_EQ(box.title, "警告");
    EXPECT_EQ(box.type, 0x34u);
    EXPECT_EQ(box.text,
              "プリンタ 'Office' を 'OfficeShare' として共有しています。このプリンタは使用中の可能性があります。"
              "\r\nプリンタを削除すると共有できなくなります。削除してもよろしいですか?");

    // The file's arguments now replace a caller's, for the rest of the process.
    catalog.show(kNoWindow, 12, {"Caller"});
    EXPECT_EQ(fake.shownBoxes().back().text, "プリンタ '' を削除してもよろしいですか?");
}

TEST_F(MessageDebugTest, WithoutTheFileTheQuotesStandEmpty) {
    const auto rows = messageDebugRows(catalog, fake.machine().text);
    MessageDebug debug(catalog);
    debug.open();
    debug.rowSelected(1);
    debug.showSelected(kDebugDialog, rows);
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    EXPECT_EQ(fake.shownBoxes()[0].text.rfind("プリンタ '' を '' として共有しています。", 0), 0u)
        << fake.shownBoxes()[0].text;
}

class LocalizationTest : public UiTest {
protected:
    LocalizationTest() { session.mainWindow = kMainWindow; }
    void walk(std::initializer_list<int> answers, int interval = 0) {
        for (const int answer : answers) {
            fake.scriptAnswer(answer);
        }
        runLocalizationCheck(fake.machine(), session, ui, "ZRT7Q Color Uninstaller", interval);
    }
    std::vector<std::string> boxTitles() const {
        std::vector<std::string> titles;
        for (const ShownBox& box : fake.shownBoxes()) {
            titles.push_back(box.title);
        }
        return titles;
    }
    std::string stepText(unsigned id) const { return "text " + uiStrings().at(id); }

    FakeRunUi ui;
};

TEST_F(LocalizationTest, WalksForwardToTheEndAndAsksAgain) {
    walk({kAnswerYes, kAnswerYes, kAnswerYes, kAnswerYes, kAnswerYes, kAnswerNo});
    EXPECT_EQ(boxTitles(), (std::vector<std::string>{
                               "Localization check", " Localization check [1 / 4]",
                               " Localization check [2 / 4]", " Localization check [3 / 4]",
                               " Localization check [4 / 4]", "Localization check"}));
    EXPECT_EQ(ui.progress.events,
              (std::vector<std::string>{"pos 0", "text ", "show",
                                        "pos 1", stepText(62), "repaint",
                                        "pos 20", stepText(63), "repaint",
                                        "pos 25", stepText(64), "repaint",
                                        "pos 60", stepText(65), "repaint",
                                        "text ", "pos 0", "repaint"}));
    EXPECT_EQ(ui.progress.title, "ZRT7Q Color Uninstaller");
    EXPECT_TRUE(ui.progress.destroyed);
    EXPECT_EQ(ui.pauses, std::vector<unsigned>(4, 100));
    EXPECT_EQ(ui.flushes, 4);
    for (const ShownBox& box : fake.shownBoxes()) {
        EXPECT_EQ(box.owner, kMainWindow) << box.title;
    }
    EXPECT_EQ(fake.shownBoxes()[0].type, 0x34u);
    EXPECT_EQ(fake.shownBoxes()[0].text, "Do you check status sequences?");
    EXPECT_EQ(fake.shownBoxes()[1].type, 0x33u);
    EXPECT_EQ(fake.shownBoxes()[1].text,
              "Do you continue a check of status sequences?\n\n [Yes]... Next status\n [No] ... "
              "Previous status\n [Cancel]... Exit localization check");
}

TEST_F(LocalizationTest, BackBeforeTheFirstStepOrCancelEndsTheWalk) {
    struct Case {
        const char* name;
        std::vector<int> answers;
        std::vector<std::string> titles;
    } cases[] = {
        {"No at step 1", {kAnswerYes, kAnswerNo, kAnswerNo},
         {"Localization check", " Localization check [1 / 4]", "Localization check"}},
        {"forward, back, cancel", {kAnswerYes, kAnswerYes, kAnswerNo, kAnswerCancel, kAnswerNo},
         {"Localization check", " Localization check [1 / 4]", " Localization check [2 / 4]",
          " Localization check [1 / 4]", "Localization check"}},
        {"not started", {kAnswerNo}, {"Localization check"}},
    };
    for (const auto& c : cases) {
        FakeMachine machine;
        machine.strings = uiStrings();
        for (const int answer : c.answers) {
            machine.scriptAnswer(answer);
        }
        FakeRunUi fresh;
        runLocalizationCheck(machine.machine(), session, fresh, "T", 0);
        std::vector<std::string> titles;
        for (const ShownBox& box : machine.shownBoxes()) {
            titles.push_back(box.title);
        }
        EXPECT_EQ(titles, c.titles) << "row " << c.name;
        EXPECT_EQ(fresh.progress.text, "") << "row " << c.name << ": end row text";
        EXPECT_EQ(fresh.progress.position, 0) << "row " << c.name << ": end row bar";
        EXPECT_TRUE(fresh.progress.destroyed) << "row " << c.name;
    }
}

TEST_F(LocalizationTest, WithoutAProgressWindowNothingIsAsked) {
    ui.progressFails = true;
    walk({});
    EXPECT_TRUE(fake.shownBoxes().empty());
}

TEST(LocalizationSlicesTest, IntervalInSlicesOf100Ms) {
    const std::pair<int, int> cases[] = {{0, 1}, {99, 1}, {100, 2}, {250, 3}, {5000, 51},
                                         {-100, 0}, {-5000, 0}, {2147483647, 21474837}};
    for (const auto& [interval, slices] : cases) {
        EXPECT_EQ(localizationSlices(interval), slices) << "row interval " << interval;
    }
}

TEST_F(LocalizationTest, EachStepWaitsTheConfiguredInterval) {
    walk({kAnswerYes, kAnswerCancel, kAnswerNo}, 250);
    EXPECT_EQ(ui.pauses, std::vector<unsigned>(3, 100));
    EXPECT_EQ(ui.flushes, 3);
}

class RunPresentationTest : public UiTest {};

TEST_F(RunPresentationTest, ProgressWindowOnlyWhileInteractive) {
    FakeRunUi ui;
    session.interactive = false;
    EXPECT_EQ(openRunProgress(session, ui, "T"), nullptr);
    EXPECT_FALSE(ui.progress.created);

    session.interactive = true;
    ui.progressFails = true;
    EXPECT_EQ(openRunProgress(session, ui, "T"), nullptr);
    EXPECT_FALSE(session.interactive) << "a failed window clears interactive for good";

    ui.progressFails = false;
    EXPECT_EQ(openRunProgress(session, ui, "T"), nullptr) << "later runs show no window";

    session.interactive = true;
    {
        auto progress = openRunProgress(session, ui, "ZRT7Q Color Uninstaller");
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(ui.progress.title, "ZRT7Q Color Uninstaller");
        EXPECT_EQ(ui.progress.position, 1);
        EXPECT_EQ(ui.progress.step, 1);
        showProgressText(progress.get(), fake.machine().text, kProgressChecking);
        EXPECT_EQ(ui.progress.text, "プリンタをチェックしています...");
    }
    EXPECT_TRUE(ui.progress.destroyed);
}

TEST_F(RunPresentationTest, ProgressWindowIsHiddenDuringABox) {
    FakeRunUi ui;
    auto progress = openRunProgress(session, ui, "T");
    ASSERT_NE(progress, nullptr);
    progress->show();
    bool hiddenDuringBox = false;
    const int answer = boxDuringRun(progress.get(), ui, [&] {
        hiddenDuringBox = !ui.progress.visible;
        return kAnswerNo;
    });
    EXPECT_EQ(answer, kAnswerNo);
    EXPECT_TRUE(hiddenDuringBox);
    EXPECT_TRUE(ui.progress.visible);
    EXPECT_EQ(ui.mainRepaints, 1);
    // Without a window (silent, or failed) the box is still given.
    EXPECT_EQ(boxDuringRun(nullptr, ui, [] { return kAnswerYes; }), kAnswerYes);
}

}  // namespace
}  // namespace zrt::un::testing
