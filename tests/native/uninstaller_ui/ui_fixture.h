// A fake machine with the uninstaller's string tables (from the resource scripts),
// a loaded configuration and a printer list over fake controls.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/rc_strings.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/uninstall_config.h"
#include "uninstaller/testing/fake_companions.h"
#include "uninstaller/testing/fake_machine.h"
#include "uninstaller/ui/printer_list/printer_list.h"
#include "uninstaller/ui/testing/fake_dialog_parts.h"

namespace zrt::un::testing {

// Both scripts' texts as UTF-8 (the native tests' system code page for texts).
inline const std::map<unsigned, std::string>& uiStrings() {
    static const std::map<unsigned, std::string> strings = [] {
        std::map<unsigned, std::string> out;
        for (const char* script :
             {"resources/uninstaller/ZRT7QUN.rc", "resources/uninstaller/dialogs_ui.rc"}) {
            for (const auto& [id, text] :
                 zrt::testing::readRcStrings(zrt::testing::rcPath(script))) {
                out[id] = zrt::testing::toUtf8(text);
            }
        }
        return out;
    }();
    return strings;
}

inline const char* const kProgramPath = "C:\\PROGRAM FILES\\VEMAR\\ZRT7QUN.EXE";
inline const char* const kUiIniPath = "C:\\PROGRAM FILES\\VEMAR\\ZRT7QUN.INI";
inline const char* const kTempFolder = "C:\\VRTemp";
inline const char* const kDriverA = "Vemar ZRT7Q Color";
inline const char* const kDriverFax = "Vemar ZRT7Q Color (FAX)";
inline const char* const kOldDriver1 = "Vemar ZRT6 Color";
inline const char* const kOldDriver2 = "Vemar ZRT5 Color";

// A configuration with two drivers and two old drivers; `extra` lines go into [Profiles].
inline std::string uiIni(const std::string& profiles) {
    return "[Profiles]\r\nPDL_NAME=ZRT7Q Color\r\n" + profiles +
           "[Uninstall Drivers]\r\nVemar ZRT7Q Color\r\nVemar ZRT7Q Color (FAX)\r\n"
           "[Uninstall Old Drivers]\r\nVemar ZRT6 Color\r\nVemar ZRT5 Color\r\n"
           "[Borderline Driver Versions]\r\nPRT_2KXP=3.1.0.0\r\nFAX_2KXP=2.0.0.0\r\n"
           "OLD_VER=1.0.0.0\r\n[PDL]\r\nPDL=PCL\r\n"
           "[Registrys]\r\nKEY_PRINTER=P\r\nKEY_PRINTER2=P2\r\nKEY_BEFORE=B\r\n"
           "KEY_BEFORE2=B2\r\nKEY_BEFORE3=B3\r\nKEY_PDRVCAP=C\r\nKEY_PDRVCAP2=C2\r\n";
}

class RecordingRestart final : public SpoolerDependentsRestart {
public:
    void restart(const std::vector<std::string>& dependents) override { restarted = dependents; }
    std::vector<std::string> restarted;
};

class UiTest : public ::testing::Test {
protected:
    UiTest() {
        fake.strings = uiStrings();
        fake.programPath = kProgramPath;
    }
    void TearDown() override {
        EXPECT_EQ(fake.openHandles(), 0) << "handles left open";
    }

    // Loads the configuration with these [Profiles] lines; the platform class is taken as set.
    void configure(const std::string& profiles = "UninstallLevel=1\r\n") {
        fake.addFile(kUiIniPath, uiIni(profiles));
        ASSERT_TRUE(names.load(kProgramPath, fake.machine().profiles, fake.machine().text));
        ASSERT_TRUE(readConfig(fake.machine().profiles, kUiIniPath, catalog, config));
    }
    PrinterListContext context() {
        return PrinterListContext{fake.machine(),  session,          config,     options,
                                  names,           tempFolder,       companions, spoolerStopped,
                                  spoolerDependents, restart};
    }
    // A printer list over fresh controls, initialised as the dialog initialises it.
    PrinterList& openList() {
        controls.startFromTemplate();
        list = std::make_unique<PrinterList>(context(), controls);
        list->initialise();
        return *list;
    }
    // Drivers as installed, with their main file's product version ("" for none).
    void installDriver(const std::string& name, const std::string& version) {
        const std::string path = "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\" + name + ".DLL";
        fake.addFile(path, "MZ");
        if (!version.empty()) {
            fake.setVersionValue(path, "\\StringFileInfo\\040904e4\\ProductVersion", version);
        }
        fake.addDriver(name, fake.currentEnvironment(), 3).driverPath = path;
    }
    std::vector<std::string> displayNames() const {
        std::vector<std::string> out;
        for (const FakeRow& row : controls.rows) {
            out.push_back(row.content.displayName);
        }
        return out;
    }

    FakeMachine fake;
    Session session;
    MessageCatalog catalog{fake.machine(), session};
    UninstallConfig config;
    CommandLineOptions options{""};
    ProductFileNames names;
    std::string tempFolder = kTempFolder;
    FakeCompanions companions;
    bool spoolerStopped = false;
    std::vector<std::string> spoolerDependents;
    RecordingRestart restart;
    FakeListControls controls;
    std::unique_ptr<PrinterList> list;
};

}  // namespace zrt::un::testing
