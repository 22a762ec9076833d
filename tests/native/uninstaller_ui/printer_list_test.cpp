// The printer list's buttons and focus after initialisation, after a selection and around a
// run, with and without the message-debug tools; the finish step.
#include "tests/native/uninstaller_ui/ui_fixture.h"
#include "uninstaller/ui/printer_list/dependents_restart.h"
#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/printer_list/printer_list_runs.h"

namespace zrt::un::testing {
namespace {

const char* controlName(int id) {
    switch (id) {
    case kCommandSelectAll: return "Select all";
    case kCommandDelete: return "Delete";
    case kCommandCleanup: return "Cleanup";
    case kCommandClose: return "Exit";
    case kMessageDebugButton: return "Message_Debug";
    case kProgressDebugButton: return "Progress_Debug";
    case kPrinterListView: return "list";
    default: return "?";
    }
}

class ButtonsTest : public UiTest {
protected:
    void addPrinters(int count) {
        for (int i = 0; i < count; ++i) {
            fake.addPrinter("Printer " + std::to_string(i), kDriverA);
        }
    }
};

struct InitialCase {
    const char* name;
    int printers;
    const char* profiles;
    bool enumerationFails;
    bool selectAll, remove, cleanupShown, debugShown;
    int focus;  // after WM_USER + 1
};

TEST_F(ButtonsTest, StatesAfterInitialisation) {
    const InitialCase cases[] = {
        {"rows", 2, "UninstallLevel=1\r\n", false, true, false, false, false, kPrinterListView},
        {"empty list", 0, "UninstallLevel=1\r\n", false, false, true, false, false, kCommandClose},
        {"empty list, debug", 0, "UninstallLevel=1\r\nMessageDebugUI=1\r\n", false, false, false,
         false, true, kCommandClose},
        {"not enumerated", 0, "UninstallLevel=1\r\n", true, false, false, false, false,
         kCommandClose},
        {"level 2", 1, "UninstallLevel=2\r\n", false, true, false, true, false, kPrinterListView},
        {"level 2 with spaces", 1, "UninstallLevel=\"2 \"\r\n", false, true, false, false, false,
         kPrinterListView},
        {"debug not exactly 1", 0, "UninstallLevel=1\r\nMessageDebugUI=01\r\n", false, false, true,
         false, false, kCommandClose},
    };
    for (const InitialCase& c : cases) {
        fake.printers.clear();
        fake.clearFailures();
        addPrinters(c.printers);
        if (c.enumerationFails) {
            fake.failCall("Spooler.enumPrinters.size", kErrorAccessDenied);
        }
        configure(c.profiles);
        controls = FakeListControls();
        openList();
        EXPECT_EQ(controls.focused, kCommandClose) << "row " << c.name << ": focus before WM_USER+1";
        EXPECT_EQ(controls.initialFocusPosts, 1) << "row " << c.name;
        list->initialFocus();
        const auto expect = [&](int id, bool enabled, bool shown) {
            EXPECT_EQ(controls.isEnabled(id), enabled)
                << "row " << c.name << ": " << controlName(id) << " expected "
                << (enabled ? "enabled" : "disabled");
            EXPECT_EQ(controls.isVisible(id), shown)
                << "row " << c.name << ": " << controlName(id) << " expected "
                << (shown ? "shown" : "hidden");
        };
        expect(kCommandSelectAll, c.selectAll, true);
        expect(kCommandDelete, c.remove, true);
        expect(kCommandCleanup, c.cleanupShown, c.cleanupShown);
        expect(kCommandClose, true, true);
        expect(kMessageDebugButton, c.debugShown, c.debugShown);
        expect(kProgressDebugButton, c.debugShown, c.debugShown);
        EXPECT_EQ(controlName(controls.focused), std::string(controlName(c.focus))) << "row " << c.name;
        if (c.printers > 0) {
            EXPECT_TRUE(controls.rows[0].focusState) << "row " << c.name;
        }
    }
}

TEST_F(ButtonsTest, SelectionEnablesDeleteUnlessMessageDebugIsOn) {
    for (const bool debug : {false, true}) {
        const std::string row = debug ? "debug on" : "debug off";
        fake.printers.clear();
        addPrinters(3);
        configure(debug ? "UninstallLevel=1\r\nMessageDebugUI=1\r\n" : "UninstallLevel=1\r\n");
        controls = FakeListControls();
        openList();
        list->initialFocus();
        controls.select(1, true);
        list->updateDeleteButton();
        EXPECT_EQ(controls.isEnabled(kCommandDelete), !debug) << "row " << row << ": one selected";
        controls.select(1, false);
        list->updateDeleteButton();
        EXPECT_FALSE(controls.isEnabled(kCommandDelete)) << "row " << row << ": none selected";
        list->selectAll();
        EXPECT_EQ(controls.selectedCount(), 3) << "row " << row;
        EXPECT_EQ(controls.isEnabled(kCommandDelete), !debug) << "row " << row << ": all selected";
    }
}

TEST_F(ButtonsTest, DeleteOnEmptyListIsLeftAloneBySelectionChanges) {
    configure();
    openList();
    list->initialFocus();
    ASSERT_TRUE(controls.isEnabled(kCommandDelete));
    list->updateDeleteButton();
    EXPECT_TRUE(controls.isEnabled(kCommandDelete));
}

struct RefreshCase {
    const char* name;
    int printersAfter;
    bool afterCleanup;
    const char* level;
    bool remove, selectAll, cleanup;
    int focus;
};

TEST_F(ButtonsTest, StatesAfterARun) {
    const RefreshCase cases[] = {
        {"rows left, removal", 2, false, "1", false, true, false, kCommandSelectAll},
        {"rows left, removal, level 2", 2, false, "2", false, true, true, kCommandSelectAll},
        {"rows left, clean-up, level 2", 1, true, "2", false, true, true, kCommandClose},
        {"rows left, clean-up, level 1", 1, true, "1", true, true, false, kCommandClose},
        {"empty, removal", 0, false, "1", false, false, false, kCommandClose},
        {"empty, clean-up, level 1", 0, true, "1", true, false, false, kCommandClose},
        {"empty, clean-up, level 2", 0, true, "2", false, false, true, kCommandClose},
    };
    for (const RefreshCase& c : cases) {
        fake.printers.clear();
        addPrinters(3);
        configure(std::string("UninstallLevel=") + c.level + "\r\n");
        controls = FakeListControls();
        openList();
        list->initialFocus();
        list->selectAll();
        list->refreshAfterRun(false, c.afterCleanup);
        for (const int id : {kCommandDelete, kCommandCleanup, kCommandClose, kCommandSelectAll}) {
            EXPECT_FALSE(controls.isEnabled(id))
                << "row " << c.name << ": " << controlName(id) << " enabled during the run";
        }
        EXPECT_EQ(controls.rows.size(), 3u) << "row " << c.name << ": rebuilt during the run";
        fake.printers.resize(static_cast<std::size_t>(c.printersAfter));
        list->refreshAfterRun(true, c.afterCleanup);
        EXPECT_EQ(controls.rows.size(), static_cast<std::size_t>(c.printersAfter)) << "row " << c.name;
        EXPECT_EQ(controls.isEnabled(kCommandDelete), c.remove) << "row " << c.name << ": Delete";
        EXPECT_EQ(controls.isEnabled(kCommandSelectAll), c.selectAll) << "row " << c.name << ": Select all";
        EXPECT_EQ(controls.isEnabled(kCommandCleanup), c.cleanup) << "row " << c.name << ": Cleanup";
        EXPECT_TRUE(controls.isEnabled(kCommandClose)) << "row " << c.name << ": Exit";
        EXPECT_EQ(controlName(controls.focused), std::string(controlName(c.focus))) << "row " << c.name;
        if (c.printersAfter > 0) {
            EXPECT_TRUE(controls.rows[0].focusState) << "row " << c.name << ": focus row";
        }
    }
}

TEST_F(ButtonsTest, MessageDebugKeepsDeleteDisabledAfterARun) {
    addPrinters(2);
    configure("UninstallLevel=1\r\nMessageDebugUI=1\r\n");
    openList();
    list->initialFocus();
    list->selectAll();
    ListOnlyRuns runs;
    FakeRunUi ui;
    runs.RunRemoval(*list, ui);
    EXPECT_FALSE(controls.isEnabled(kCommandDelete));
    list->selectAll();
    EXPECT_FALSE(controls.isEnabled(kCommandDelete));
    EXPECT_TRUE(controls.isVisible(kMessageDebugButton));
    EXPECT_EQ(ui.waitCursor, 0) << "wait cursor left on";
}

class RecordingRuns : public ListOnlyRuns {
public:
    void RunCleanup(PrinterList& list, RunUi& ui) override {
        ++cleanups;
        ListOnlyRuns::RunCleanup(list, ui);
    }
    int cleanups = 0;
};

TEST_F(ButtonsTest, DeleteOnAnEmptyListRunsTheCleanup) {
    configure("UninstallLevel=1\r\n");
    openList();
    list->initialFocus();
    RecordingRuns runs;
    FakeRunUi ui;
    runs.RunRemoval(*list, ui);
    EXPECT_EQ(runs.cleanups, 1);
    EXPECT_FALSE(controls.isEnabled(kCommandDelete)) << "the clean-up ends with Delete disabled";
    EXPECT_TRUE(controls.isEnabled(kCommandClose));

    addPrinters(1);
    list->refreshAfterRun(true, false);
    runs.RunRemoval(*list, ui);
    EXPECT_EQ(runs.cleanups, 1) << "a list with rows runs the removal";
}

TEST_F(ButtonsTest, RowsMarkedDeletedLeaveTheList) {
    addPrinters(3);
    configure();
    openList();
    controls.rows[0].item->setMark(kMarkDeleted);
    controls.rows[1].item->setMark(kMarkKept);
    controls.rows[2].item->setMark(kMarkDeleted);
    list->removeDeletedRows();
    ASSERT_EQ(controls.rows.size(), 1u);
    EXPECT_EQ(controls.rows[0].item->printerName, "Printer 1");
    EXPECT_EQ(controls.rows[0].item->state, (kKindPrinter << 16) | kMarkKept);
    EXPECT_TRUE(controls.redraw);
}

struct FinishCase {
    const char* name;
    PlatformClass platform;
    bool suiteStopped, spoolerWasStopped;
    std::vector<std::string> companionCalls;
    bool dependentsRestarted;
};

TEST_F(ButtonsTest, FinishRestartsServicesAndRemovesTheCopyOnce) {
    const FinishCase cases[] = {
        {"XP, both stopped", PlatformClass::WinXp, true, true, {"suite start"}, true},
        {"NT4, spooler stopped", PlatformClass::Nt4, false, true, {}, true},
        {"98, both stopped", PlatformClass::Win98, true, true, {"ktm start"}, false},
        {"XP, nothing stopped", PlatformClass::WinXp, false, false, {}, false},
    };
    for (const FinishCase& c : cases) {
        fake.platformClass = c.platform;
        companions.calls.clear();
        restart.restarted.clear();
        fake.printers.clear();
        addPrinters(2);
        configure();
        fake.addFolder(kTempFolder);
        fake.addFile(std::string(kTempFolder) + "\\ZRT7QUN.INI", "copy");
        session.suiteServiceStopped = c.suiteStopped;
        spoolerStopped = c.spoolerWasStopped;
        spoolerDependents = {"Fax", "Spooler helper"};
        controls = FakeListControls();
        openList();
        list->finish();
        list->finish();
        EXPECT_EQ(companions.calls, c.companionCalls) << "row " << c.name;
        EXPECT_EQ(restart.restarted,
                  c.dependentsRestarted ? spoolerDependents : std::vector<std::string>{})
            << "row " << c.name;
        EXPECT_FALSE(fake.fileExists(std::string(kTempFolder) + "\\ZRT7QUN.INI")) << "row " << c.name;
        EXPECT_FALSE(fake.folderExists(kTempFolder)) << "row " << c.name;
        EXPECT_TRUE(controls.rows.empty()) << "row " << c.name << ": rows left pointing at items";
        EXPECT_EQ(controls.imagesDestroyed, 1) << "row " << c.name;
    }
}

}  // namespace
}  // namespace zrt::un::testing

namespace zrt::un::testing {
namespace {

TEST(ServiceManagerRestartTest, StartsTheDependentsInOrderUntilAnEmptyName) {
    FakeMachine fake;
    fake.services["Fax"] = FakeService{};
    fake.services["Helper"] = FakeService{};
    fake.services["Late"] = FakeService{};
    ServiceManagerRestart restart(fake.machine().services);
    restart.restart({"Fax", "Helper", "", "Late"});
    EXPECT_EQ(fake.services["Fax"].state, ServiceState::Running);
    EXPECT_EQ(fake.services["Helper"].state, ServiceState::Running);
    EXPECT_EQ(fake.services["Late"].state, ServiceState::Stopped) << "the list ends at an empty name";
}

}  // namespace
}  // namespace zrt::un::testing
