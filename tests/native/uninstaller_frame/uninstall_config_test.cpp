// The configuration and product names from small INI fixtures.
#include "tests/native/uninstaller_frame/frame_fixture.h"
#include "uninstaller/frame/profile_lists.h"
#include "uninstaller/frame/uninstall_config.h"

namespace zrt::un::testing {
namespace {

class ConfigTest : public FrameTest {
protected:
    // Loads the configuration from kValidIni changed by `edit` (section, key, new line or
    // nothing to drop the line); returns the result.
    bool load(const std::string& ini) {
        fake.addFile(kIniPath, ini);
        fake.commandArguments = "";
        Machine& m = fake.machine();
        MessageCatalog catalog(m, session);
        EXPECT_TRUE(names.load(fake.programPath, m.profiles, m.text));
        return loadConfig(m, names, "C:\\VRTemp", catalog, config);
    }
    static std::string replaced(std::string ini, const std::string& from, const std::string& to) {
        const std::size_t at = ini.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return ini.replace(at, from.size(), to);
    }

    Session session;
    ProductFileNames names;
    UninstallConfig config;
};

TEST(SectionListTest, JoinsLinesAndEndsAtTwoTabs) {
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        const char* list;
        int count;
    };
    const Row rows[] = {
        {"empty section", {}, "", 1},
        {"two lines", {"A", "B"}, "A\tB", 2},
        {"semicolon splits an entry", {"A;B", "C"}, "A\tB\tC", 3},
        {"semicolon at the end ends the list", {"A;", "B", "C"}, "A", 1},
        {"two semicolons end the list", {"A", "B;;C", "D"}, "A\tB", 2},
        {"key=value lines taken whole", {"K=V", "X"}, "K=V\tX", 2},
        {"leading semicolon gives a leading tab", {";A", "B"}, "\tA\tB", 2},
    };
    for (const Row& row : rows) {
        const std::string list = sectionList(row.lines);
        EXPECT_EQ(list, row.list) << "row " << row.name;
        EXPECT_EQ(listEntryCount(list), row.count) << "row " << row.name;
    }
}

TEST_F(ConfigTest, ReadsAValidFileAndDerivesTheLists) {
    ASSERT_TRUE(load(kValidIni));
    EXPECT_EQ(config.uninstallDrivers, "Vemar ZRT7Q Color\tVemar ZRT7Q Color (FAX)");
    EXPECT_EQ(config.uninstallDriverCount, 2);
    EXPECT_EQ(config.uninstallOldDrivers, "Vemar ZRT6 Color");
    EXPECT_EQ(config.uninstallOldDriverCount, 1);
    EXPECT_EQ(config.anyVersionMarks, "A\tA\tA");
    EXPECT_EQ(config.driverBorderlineVersions, "3.1.0.0\t2.0.0.0\t3.1.0.0");
    EXPECT_EQ(config.messageDebugUi, "item not found!!");
    EXPECT_EQ(config.messageDebugInterval, 5000);
    EXPECT_EQ(config.registryKeyNames, "Non Printer");
    EXPECT_EQ(config.pdlName, "ZRT7Q Color");
    EXPECT_EQ(config.uninstallLevel, "2");
    EXPECT_EQ(config.pstDelete, "ON");
    EXPECT_EQ(config.ktmService, "DEFAULT_STOP");
    EXPECT_TRUE(config.checkJobMonitor);
    EXPECT_FALSE(config.deleteRestoreFile);
    EXPECT_EQ(config.keyDriverCaps2, "Caps2");
    EXPECT_TRUE(fake.shownBoxes().empty());
    EXPECT_TRUE(fake.fileExists(kCopyPath));
}

TEST_F(ConfigTest, WithoutOldDriversCountsOneAndAddsAnA) {
    ASSERT_TRUE(load(replaced(kValidIni, "[Uninstall Old Drivers]\r\nVemar ZRT6 Color\r\n", "")));
    EXPECT_EQ(config.uninstallOldDrivers, "");
    EXPECT_EQ(config.uninstallOldDriverCount, 1);
    EXPECT_EQ(config.anyVersionMarks, "A\tA\tA");
    EXPECT_EQ(config.driverBorderlineVersions, "3.1.0.0\t2.0.0.0");
}

TEST_F(ConfigTest, SemicolonsSplitAndEndTheDriverList) {
    ASSERT_TRUE(load(replaced(kValidIni, "Vemar ZRT7Q Color\r\nVemar ZRT7Q Color (FAX)\r\n",
                              "One;Two (FAX)\r\nThree;\r\nFour\r\n")));
    EXPECT_EQ(config.uninstallDrivers, "One\tTwo (FAX)\tThree");
    EXPECT_EQ(config.uninstallDriverCount, 3);
    EXPECT_EQ(config.driverBorderlineVersions, "3.1.0.0\t2.0.0.0\t3.1.0.0\t3.1.0.0");
}

TEST_F(ConfigTest, RequiredKeysGiveMessage31NamingSectionAndKey) {
    struct Row {
        const char* name;
        const char* from;
        const char* to;
        const char* section;
        const char* key;
    };
    const Row rows[] = {
        {"PRT_2KXP absent", "PRT_2KXP=3.1.0.0\r\n", "", "Borderline Driver Versions", "PRT_2KXP"},
        {"PDL absent", "PDL=PCL\r\n", "", "PDL", "PDL"},
        {"registry key empty", "KEY_BEFORE2=Before2", "KEY_BEFORE2=", "Registrys", "KEY_BEFORE2"},
        {"registry key a leading part of the marker", "KEY_PDRVCAP=Caps", "KEY_PDRVCAP=item n",
         "Registrys", "KEY_PDRVCAP"},
        {"uninstall level absent", "UninstallLevel=2\r\n", "", "Profiles", "UninstallLevel"},
    };
    for (const Row& row : rows) {
        FakeMachine machine;
        machine.strings = uninstallerStrings();
        machine.addFile(kIniPath, replaced(kValidIni, row.from, row.to));
        Machine& m = machine.machine();
        Session quiet;
        MessageCatalog catalog(m, quiet);
        ProductFileNames product;
        UninstallConfig result;
        ASSERT_TRUE(product.load(machine.programPath, m.profiles, m.text)) << "row " << row.name;
        EXPECT_FALSE(loadConfig(m, product, "C:\\VRTemp", catalog, result)) << "row " << row.name;
        ASSERT_EQ(machine.shownBoxes().size(), 1u) << "row " << row.name;
        const std::string expected = "セクション : '" + std::string(row.section) +
                                     "'中のエントリ : '" + row.key +
                                     "'が取得できません。INIファイルを確認してください。";
        EXPECT_EQ(machine.shownBoxes()[0].text, expected) << "row " << row.name;
        EXPECT_EQ(machine.shownBoxes()[0].title, "警告") << "row " << row.name;
        EXPECT_EQ(machine.shownBoxes()[0].type, 0x30u) << "row " << row.name;
    }
}

TEST_F(ConfigTest, AcceptsAnEmptyPrinterBorderlineVersion) {
    ASSERT_TRUE(load(replaced(kValidIni, "PRT_2KXP=3.1.0.0", "PRT_2KXP=")));
    EXPECT_EQ(config.printerBorderlineVersion, "");
    EXPECT_EQ(config.driverBorderlineVersions, "\t2.0.0.0\t");
}

TEST_F(ConfigTest, ReadsOptionalValuesAndSwitches) {
    std::string ini = kValidIni;
    ini += "[Registrys Key]\r\nKey One\r\nKey Two\r\n[KTM Modules]\r\nAuKtm.exe\r\n";
    ini = replaced(ini, "CheckJobMonitor=on\r\n",
                   "CheckJobMonitor=off\r\nDelRestoreFile=On\r\nKTMService=OFF\r\nPST_DEL=OFF\r\n"
                   "MessageDebugUI=1\r\nMessageDebugInterval=250ms\r\n");
    ASSERT_TRUE(load(ini));
    EXPECT_EQ(config.registryKeyNames, "Key One\tKey Two");
    EXPECT_EQ(config.ktmModules, "AuKtm.exe");
    EXPECT_EQ(config.qiraModules, "");
    EXPECT_FALSE(config.checkJobMonitor);
    EXPECT_TRUE(config.deleteRestoreFile);
    EXPECT_EQ(config.ktmService, "OFF");
    EXPECT_EQ(config.pstDelete, "OFF");
    EXPECT_EQ(config.messageDebugUi, "1");
    EXPECT_EQ(config.messageDebugInterval, 250);
}

TEST_F(ConfigTest, CopiesAReadOnlyFileAndMakesTheCopyWritable) {
    fake.addFile(kIniPath, kValidIni, kAttributeReadOnly);
    Machine& m = fake.machine();
    MessageCatalog catalog(m, session);
    ASSERT_TRUE(names.load(fake.programPath, m.profiles, m.text));
    ASSERT_TRUE(loadConfig(m, names, "C:\\VRTemp", catalog, config));
    EXPECT_EQ(fake.fileAttributes(kCopyPath) & kAttributeReadOnly, 0u);
    EXPECT_NE(fake.fileAttributes(kIniPath) & kAttributeReadOnly, 0u);
    removeConfigCopy(m.files, names, "C:\\VRTemp");
    EXPECT_FALSE(fake.fileExists(kCopyPath));
    EXPECT_FALSE(fake.folderExists("C:\\VRTemp"));
}

TEST_F(ConfigTest, AFailedCopyGivesMessage30) {
    fake.addFile(kIniPath, kValidIni);
    fake.failCall("Files.copyFile", kErrorAccessDenied);
    Machine& m = fake.machine();
    MessageCatalog catalog(m, session);
    ASSERT_TRUE(names.load(fake.programPath, m.profiles, m.text));
    EXPECT_FALSE(loadConfig(m, names, "C:\\VRTemp", catalog, config));
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    EXPECT_EQ(fake.shownBoxes()[0].text, text(ids::kIniNotFound));
}

TEST_F(ConfigTest, TempFolderIsUnderTheRootOfTheWindowsDrive) {
    EXPECT_EQ(tempFolderFor("C:\\WINDOWS"), "C:\\VRTemp");
    EXPECT_EQ(tempFolderFor("D:\\WINNT\\"), "D:\\VRTemp");
}

TEST_F(ConfigTest, ProductNamesFollowTheProgramName) {
    fake.addFile("D:\\SETUP\\zrt7qun.ini", "[Profiles]\r\nPDL_NAME=ZRT7Q Color\r\n"
                                           "[MasterInstManualPath]\r\nModelDir=MODEL\r\n");
    Machine& m = fake.machine();
    ASSERT_TRUE(names.load("D:\\SETUP\\zrt7qun.exe", m.profiles, m.text));
    EXPECT_EQ(names.exeFileName, "zrt7qun.EXE");
    EXPECT_EQ(names.iniFileName, "zrt7qun.INI");
    EXPECT_EQ(names.exePath, "D:\\SETUP\\zrt7qun.EXE");
    EXPECT_EQ(names.iniPath, "D:\\SETUP\\zrt7qun.INI");
    EXPECT_EQ(names.prefix, "zrt7q");
    EXPECT_EQ(names.modelDir, "MODEL");
    EXPECT_EQ(names.installDir, "");
    EXPECT_EQ(names.uninstallerTitle, "ZRT7Q Color Uninstaller");
    EXPECT_EQ(names.productRegistryKey, "SOFTWARE\\Vemar\\zrt7q");
    EXPECT_EQ(names.monitorName, "zrt7q Monitor");
    EXPECT_EQ(names.infNameUs9, "Vemarzrt7qus9.inf");
    EXPECT_EQ(names.productFiles[5], "zrt7qSTU.DLL");
    EXPECT_EQ(names.productFiles[14], "zrt7qLMK.DLL");
    EXPECT_EQ(names.extraFiles[4], "zrt7qPTA.DLL");
}

TEST_F(ConfigTest, ProductNamesFailWithoutPdlName) {
    Machine& m = fake.machine();
    EXPECT_FALSE(names.load(fake.programPath, m.profiles, m.text));  // no INI file at all
    fake.addFile(kIniPath, "[Profiles]\r\nPDL_NAME=\r\n");
    EXPECT_FALSE(names.load(fake.programPath, m.profiles, m.text));
}

}  // namespace
}  // namespace zrt::un::testing
