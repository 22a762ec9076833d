// The platform tables and the system queries on the fake machine.
#include "tests/native/uninstaller_frame/frame_fixture.h"
#include "uninstaller/frame/environment_checks.h"
#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/system_queries.h"
#include "uninstaller/testing/fake_companions.h"

namespace zrt::un::testing {
namespace {

class QueriesTest : public FrameTest {};

TEST_F(QueriesTest, OsCodesAndDriverEnvironmentsPerPlatform) {
    struct Row {
        PlatformClass platform;
        int code, subCode;
        int kind0Version;
    };
    const Row rows[] = {
        {PlatformClass::Win95, kOsWin95, 0, 1024},  {PlatformClass::Win98, kOsWin98Me, 0, 1024},
        {PlatformClass::WinMe, kOsWin98Me, 0, 1024}, {PlatformClass::Nt4, kOsNt4, 0, 0},
        {PlatformClass::Win2000, kOsNt5, 7, 0},      {PlatformClass::WinXp, kOsNt5, 8, 0},
        {PlatformClass::Win2003, kOsNt5, 9, 0},      {PlatformClass::Nt6, kOsNt6, 0, 0},
    };
    for (const Row& row : rows) {
        fake.platformClass = row.platform;
        osSubCode = 0;
        const int code = osCode(fake.machine().platform);
        const int name = static_cast<int>(row.platform);
        EXPECT_EQ(code, row.code) << "platform row " << name;
        EXPECT_EQ(osSubCode, row.subCode) << "platform row " << name;
        std::string environment;
        EXPECT_EQ(driverEnvironment(0, code, environment), row.kind0Version) << "row " << name;
        EXPECT_EQ(environment, "Windows 4.0") << "platform row " << name;
    }
    EXPECT_EQ(classifyOs(Outcome<OsVersion>(OsVersion{0, 3, 10, 0})).code, kOsWin32s);
    EXPECT_EQ(classifyOs(Outcome<OsVersion>(OsVersion{7, 1, 0, 0})).code, kOsWin95);
    EXPECT_EQ(classifyOs(failed<OsVersion>(kErrorCallNotImplemented)).code, kOsWin95);
}

TEST_F(QueriesTest, DriverEnvironmentTable) {
    struct Row {
        int kind;
        const char* name;
        int version;
    };
    const Row rows[] = {{1, "Windows NT x86", 1}, {2, "Windows NT x86", 2}, {3, "Windows NT x86", 3},
                        {4, "Windows IA64", 3},   {5, "Windows x64", 3},    {1024, "Windows 4.0", 1024},
                        {7, "untouched", 7}};
    for (const Row& row : rows) {
        std::string name = "untouched";
        EXPECT_EQ(driverEnvironment(row.kind, kOsNt5, name), row.version) << "kind " << row.kind;
        EXPECT_EQ(name, row.name) << "kind " << row.kind;
    }
}

TEST_F(QueriesTest, AdministratorFromTheTokenGroups) {
    Platform& platform = fake.machine().platform;
    EXPECT_TRUE(isAdministrator(platform));
    fake.groups[1].attributes = 0;  // membership disabled: still an administrator
    EXPECT_TRUE(isAdministrator(platform));
    fake.groups.pop_back();
    EXPECT_FALSE(isAdministrator(platform));
    fake.failCall("Platform.tokenGroups", kErrorAccessDenied);
    EXPECT_FALSE(isAdministrator(platform));
    fake.platformClass = PlatformClass::Win98;  // no tokens
    EXPECT_TRUE(isAdministrator(platform));
}

TEST_F(QueriesTest, ProcessesByExactModuleName) {
    fake.processModules = {"explorer.exe", "conime.exe"};
    EXPECT_TRUE(isProcessRunning(fake.machine(), "conime.exe"));
    EXPECT_FALSE(isProcessRunning(fake.machine(), "CONIME.EXE"));
    fake.processStatusLibraryMissing = true;
    EXPECT_FALSE(isProcessRunning(fake.machine(), "conime.exe"));
    fake.processStatusLibraryMissing = false;
    fake.platformClass = PlatformClass::WinMe;
    EXPECT_FALSE(isProcessRunning(fake.machine(), "conime.exe"));
}

TEST_F(QueriesTest, ProductVersionByTranslationOrDefault) {
    const std::string path = "C:\\WINDOWS\\system32\\ZRT7QMU.DLL";
    fake.addFile(path, "MZ");
    std::string version = "sentinel";
    EXPECT_FALSE(fileProductVersion(fake.machine().files, path, version));
    EXPECT_EQ(version, "sentinel");
    fake.setVersionValue(path, "\\StringFileInfo\\040904e4\\ProductVersion", "1.0.0.1");
    EXPECT_TRUE(fileProductVersion(fake.machine().files, path, version));
    EXPECT_EQ(version, "1.0.0.1");
    fake.setVersionValue(path, "\\VarFileInfo\\Translation", std::string("\x11\x04\xa4\x03", 4));
    fake.setVersionValue(path, "\\StringFileInfo\\041103a4\\ProductVersion", "2.5");
    EXPECT_TRUE(fileProductVersion(fake.machine().files, path, version));
    EXPECT_EQ(version, "2.5");
    fake.setVersionValue(path, "\\VarFileInfo\\Translation", std::string("\x11\x04\xa4\x03\x09\x04\xe4\x04", 8));
    EXPECT_TRUE(fileProductVersion(fake.machine().files, path, version));
    EXPECT_EQ(version, "1.0.0.1");
}

class ChecksTest : public FrameTest {
protected:
    ChecksTest() : catalog(fake.machine(), session) { config.checkJobMonitor = true; }
    Session session;
    MessageCatalog catalog;
    UninstallConfig config;
    FakeCompanions companions;
};

TEST_F(ChecksTest, PrintManagerOnlyOn9x) {
    fake.addWindow("AnyClass", kPrintManagerTitle);
    EXPECT_FALSE(printManagerRunning(fake.machine(), session, catalog));
    fake.platformClass = PlatformClass::Win98;
    EXPECT_TRUE(printManagerRunning(fake.machine(), session, catalog));
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    EXPECT_EQ(fake.shownBoxes()[0].text, text(ids::kPrintManagerActive));
}

TEST_F(ChecksTest, JobMonitorRunningGivesMessage25) {
    fake.addMutex(kJobMonitorMutex);
    EXPECT_TRUE(jobMonitorRunning(fake.machine(), session, catalog, config, companions));
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    EXPECT_EQ(fake.shownBoxes()[0].text, text(ids::kJobMonitorActive));
    EXPECT_TRUE(companions.calls.empty());
}

TEST_F(ChecksTest, JobMonitorAbsentStopsTheSuiteService) {
    struct Row {
        PlatformClass platform;
        const char* ktmService;
        int result;
        const char* call;
        bool stopped;
    };
    const Row rows[] = {
        {PlatformClass::WinXp, "DEFAULT_STOP", 1, "suite stop", true},
        {PlatformClass::Nt6, "OFF", 0, "suite stop", false},
        {PlatformClass::Win98, "DEFAULT_STOP", 1, "ktm stop", true},
        {PlatformClass::Win98, "OFF", 1, "", false},
    };
    for (const Row& row : rows) {
        FakeCompanions services;
        services.suiteResult = services.ktmResult = row.result;
        fake.platformClass = row.platform;
        config.ktmService = row.ktmService;
        session.suiteServiceStopped = !row.stopped;
        EXPECT_FALSE(jobMonitorRunning(fake.machine(), session, catalog, config, services));
        EXPECT_EQ(services.calls.empty() ? "" : services.calls[0], std::string(row.call))
            << "row " << row.call << " " << row.ktmService;
        EXPECT_EQ(session.suiteServiceStopped, row.stopped) << "row " << row.ktmService;
    }
    config.checkJobMonitor = false;
    fake.addMutex(kJobMonitorMutex);
    EXPECT_FALSE(jobMonitorRunning(fake.machine(), session, catalog, config, companions));
    EXPECT_TRUE(companions.calls.empty());
}

TEST(MbcsTextTest, UpperCaseKeepsTrailBytes) {
    FakeMachine fake;
    TextServices& cp = fake.machine().text;
    // "c:\ソフト\x.log": the trail bytes 0x5c and 0x67 stay as they are.
    EXPECT_EQ(upperCase("c:\\\x83\x5c\x83\x67\\x.log", cp), "C:\\\x83\x5c\x83\x67\\X.LOG");
    fake.codePage = CodePage::SingleByte;
    EXPECT_EQ(upperCase("a\x83\x67", cp), "A\x83G");
}

TEST(MbcsTextTest, CompareWithoutCase) {
    FakeMachine fake;
    TextServices& cp = fake.machine().text;
    EXPECT_EQ(compareNoCase("Vemar Color", "VEMAR COLOR", cp), 0);
    EXPECT_LT(compareNoCase("abc", "ABD", cp), 0);
    EXPECT_GT(compareNoCase("abcd", "ABC", cp), 0);
    EXPECT_NE(compareNoCase("\x83\x67", "\x83\x47", cp), 0);  // trail bytes are not letters
    EXPECT_TRUE(equalNoCaseAscii("Delete Printer Name", "DELETE printer NAME"));
    EXPECT_EQ(trimmed(" \t x y \r\n"), "x y");
}

}  // namespace
}  // namespace zrt::un::testing
