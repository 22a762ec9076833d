// The start-up sequence, the silent run and the shutdown on the fake machine.
#include "tests/native/uninstaller_frame/frame_fixture.h"
#include "uninstaller/frame/console_ime.h"
#include "uninstaller/frame/message_dump.h"
#include "uninstaller/frame/uninstaller_app.h"
#include "uninstaller/testing/fake_companions.h"

namespace zrt::un::testing {
namespace {

constexpr const char* kLog = "C:\\TEMP\\UN.LOG";
constexpr const char* kStamp = "2026/12/11:09:05:07\t";

class NoLoop : public MessageLoop {
public:
    int run() override { return 0; }
};

class AppTest : public FrameTest {
protected:
    AppTest() {
        fake.addFile(kIniPath, kValidIni);
        fake.addFolder("C:\\TEMP");
        fake.setRegistryValue(RegistryRoot::CurrentUser, kConsoleKey, kLoadConImeValue,
                              RegistryValue::dword(1));
    }
    // Runs the program with `arguments`; the log's lines without time stamps.
    int run(const std::string& arguments) {
        fake.commandArguments = arguments;
        int code = 0;
        {
            UninstallerApp app(fake.machine(), dialogs, companions);
            NoLoop loop;
            code = app.run(loop);
        }
        return code;
    }
    // The log's lines without their time stamps; a line may hold CR LF of its own.
    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        const std::string content = fake.fileContent(kLog);
        const std::string stamp = kStamp;
        EXPECT_EQ(content.rfind(stamp, 0), 0u) << content;
        std::size_t begin = stamp.size();
        while (begin < content.size()) {
            std::size_t end = content.find("\r\n" + stamp, begin);
            if (end == std::string::npos) {
                end = content.size() - 2;
            }
            lines.push_back(content.substr(begin, end - begin));
            begin = end + 2 + stamp.size();
        }
        return lines;
    }
    std::vector<std::string> logged(std::initializer_list<std::string> middle,
                                    const std::string& arguments) const {
        std::vector<std::string> lines = {text(ids::kSilentRunning), "UNINSTAL.EXE " + arguments,
                                          ""};
        for (std::string line : middle) {
            for (std::size_t at = line.find('\n'); at != std::string::npos;
                 at = line.find('\n', at + 2)) {
                line.insert(at, "\r");
            }
            lines.push_back(line);
        }
        lines.push_back("Uninstal.exe is Done.");
        return lines;
    }

    FakePrinterLists dialogs;
    FakeCompanions companions;
};

TEST_F(AppTest, InteractiveRunShowsTheListModally) {
    EXPECT_EQ(run(""), 0);
    EXPECT_TRUE(dialogs.record.modal);
    EXPECT_TRUE(fake.shownBoxes().empty());
    EXPECT_TRUE(fake.fileExists(kIniPath));
    EXPECT_FALSE(fake.folderExists("C:\\VRTemp"));  // the copy is gone again
    EXPECT_EQ(fake.registryValue(RegistryRoot::CurrentUser, kConsoleKey, kLoadConImeValue)
                  ->data,
              RegistryValue::dword(1).data);  // switched off, then restored
    EXPECT_EQ(companions.calls, std::vector<std::string>{"suite stop"});
}

TEST_F(AppTest, SilentRunSelectsAllAndDeletes) {
    EXPECT_EQ(run("/S /A /L c:\\temp\\un.log"), 0);
    EXPECT_EQ(dialogs.record.commands, (std::vector<int>{1002, 1003}));
    EXPECT_EQ(dialogs.record.destroyed, 1);
    EXPECT_EQ(logLines(), logged({}, "/S /A /L C:\\TEMP\\UN.LOG"));
}

TEST_F(AppTest, SilentRunWithAnEmptyListLogsMessage55) {
    dialogs.items = 0;
    EXPECT_EQ(run("/S /A /L C:\\TEMP\\UN.LOG"), 0);
    EXPECT_TRUE(dialogs.record.commands.empty());
    EXPECT_EQ(logLines(), logged({text(55)}, "/S /A /L C:\\TEMP\\UN.LOG"));
}

TEST_F(AppTest, SilentCleanupNeedsLevel2) {
    EXPECT_EQ(run("/S /C /L C:\\TEMP\\UN.LOG"), 0);
    EXPECT_EQ(dialogs.record.commands, std::vector<int>{1005});
    fake.addFile(kIniPath, std::string(kValidIni) + "[Profiles]\r\n");
    std::string ini = kValidIni;
    ini.replace(ini.find("UninstallLevel=2"), 16, "UninstallLevel=1");
    fake.addFile(kIniPath, ini);
    dialogs.record = {};
    EXPECT_EQ(run("/S /C /L C:\\TEMP\\UN.LOG"), 0);
    EXPECT_TRUE(dialogs.record.commands.empty());
    EXPECT_EQ(logLines(), logged({text(58)}, "/S /C /L C:\\TEMP\\UN.LOG"));
}

TEST_F(AppTest, RefusalsAndTheirExitCodes) {
    struct Row {
        const char* name;
        void (*setup)(FakeMachine&);
        const char* arguments;
        int exitCode;
        unsigned boxText;  // 0: no box
        int dialogs = 0;   // printer lists made
    };
    const Row rows[] = {
        {"64-bit Windows", [](FakeMachine& f) { f.windows64 = true; }, "", 0,
         ids::kUnsupportedSystem},
        {"no 64-bit query", [](FakeMachine& f) { f.wow64QueryAvailable = false; }, "", 0, 0, 1},
        {"second instance", [](FakeMachine& f) { f.addMutex(kInstanceMutexName); }, "", 1, 0},
        {"interactive switch", [](FakeMachine&) {}, "/A", 1, ids::kSilentNeedsS},
        {"not an administrator", [](FakeMachine& f) { f.groups.pop_back(); }, "", 1,
         ids::kErrNotAdministrator},
        {"no INI file", [](FakeMachine& f) { f.addFile(kIniPath, "[Other]\r\n"); }, "", 1,
         ids::kIniNotFound},
        {"copy fails", [](FakeMachine& f) { f.failCall("Files.copyFile", kErrorAccessDenied); },
         "", 1, ids::kIniNotFound},
        {"job monitor", [](FakeMachine& f) { f.addMutex("JobMonitor Mutex STlist"); }, "", 1,
         ids::kJobMonitorActive},
        {"log cannot be created", [](FakeMachine&) {}, "/S /A /L C:\\NONE\\X.LOG", 1,
         ids::kSilentNoLogFile},
    };
    for (const Row& row : rows) {
        FakeMachine machine;
        machine.strings = uninstallerStrings();
        machine.addFile(kIniPath, kValidIni);
        row.setup(machine);
        FakePrinterLists lists;
        FakeCompanions services;
        int code = 0;
        {
            machine.commandArguments = row.arguments;
            UninstallerApp app(machine.machine(), lists, services);
            NoLoop loop;
            code = app.run(loop);
        }
        EXPECT_EQ(code, row.exitCode) << "row " << row.name;
        EXPECT_EQ(lists.record.made, row.dialogs) << "row " << row.name;
        EXPECT_EQ(machine.openHandles(), 0) << "row " << row.name;
        if (row.boxText == 0) {
            EXPECT_TRUE(machine.shownBoxes().empty()) << "row " << row.name;
            continue;
        }
        ASSERT_EQ(machine.shownBoxes().size(), 1u) << "row " << row.name;
        const std::string& shown = machine.shownBoxes()[0].text;
        EXPECT_EQ(shown.rfind(text(row.boxText).substr(0, 12), 0), 0u)
            << "row " << row.name << ": got " << shown;
    }
}

TEST_F(AppTest, Message50NamesTheSwitchAndMessage52QuotesTheCommandLine) {
    EXPECT_EQ(run("/p /a"), 1);
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    EXPECT_EQ(fake.shownBoxes()[0].text,
              "このパラメータ [/A] を有効にするには、パラメータ[/S]の指定が必要です。");
    EXPECT_EQ(fake.shownBoxes()[0].title, "警告");
    EXPECT_EQ(fake.shownBoxes()[0].type, 0x30u);
    EXPECT_EQ(fake.shownBoxes()[0].owner, kNoWindow);
    EXPECT_EQ(run("/S /A /L C:\\NONE\\X.LOG"), 1);
    ASSERT_EQ(fake.shownBoxes().size(), 2u);
    EXPECT_EQ(fake.shownBoxes()[1].text, text(52) + "\n UNINSTAL.EXE /S /A /L C:\\NONE\\X.LOG");
}

TEST_F(AppTest, SilentValidationErrorsGoToTheLogOnly) {
    EXPECT_EQ(run("/S /A /C /L C:\\TEMP\\UN.LOG"), 1);
    EXPECT_TRUE(fake.shownBoxes().empty());
    EXPECT_EQ(logLines(), logged({"警告", text(47)}, "/S /A /C /L C:\\TEMP\\UN.LOG"));
    EXPECT_EQ(run("/SA /L C:\\TEMP\\UN.LOG"), 1);
    EXPECT_EQ(logLines(), logged({"警告", text(51)}, "/SA /L C:\\TEMP\\UN.LOG"));
    EXPECT_EQ(run("/S /P /L C:\\TEMP\\UN.LOG"), 1);  // no UninstSi.ini in the Windows folder
    EXPECT_EQ(logLines(), logged({"警告", text(30)}, "/S /P /L C:\\TEMP\\UN.LOG"));
    fake.addFile("C:\\WINDOWS\\UninstSi.ini", "[Delete Driver Name]\r\nD=x\r\n");
    EXPECT_EQ(run("/S /P /L C:\\TEMP\\UN.LOG"), 1);
    EXPECT_EQ(logLines(), logged({"警告", text(48)}, "/S /P /L C:\\TEMP\\UN.LOG"));
}

TEST_F(AppTest, SilentWithoutLogIsQuiet) {
    EXPECT_EQ(run("/S /C /A"), 1);
    EXPECT_TRUE(fake.shownBoxes().empty());
    EXPECT_FALSE(fake.fileExists(kLog));
}

TEST_F(AppTest, MessageDebugDumpEndsTheRun) {
    std::string ini = kValidIni;
    ini.replace(ini.find("[Profiles]\r\n"), 12, "[Profiles]\r\nMessageDebugUI=1\r\n");
    fake.addFile(kIniPath, ini);
    EXPECT_EQ(run("/S /A /L C:\\TEMP\\UN.LOG"), 0);
    EXPECT_EQ(dialogs.record.made, 0);
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 3u + 14u + 1u);
    EXPECT_EQ(lines[3], kDumpStartLine);
    EXPECT_EQ(lines[16], kDumpEndLine);
    EXPECT_EQ(lines[17], "Uninstal.exe is Done.");
}

TEST_F(AppTest, SkipsTheRunningChecksWithE) {
    fake.addMutex("JobMonitor Mutex STlist");
    EXPECT_EQ(run("/S /A /E /L C:\\TEMP\\UN.LOG"), 0);
    EXPECT_EQ(dialogs.record.commands, (std::vector<int>{1002, 1003}));
    EXPECT_EQ(run("/S /A /L C:\\TEMP\\UN.LOG"), 1);
    EXPECT_EQ(logLines(), logged({"警告", text(25)}, "/S /A /L C:\\TEMP\\UN.LOG"));
}

TEST_F(AppTest, ConsoleImeLeftAloneWhileConimeRuns) {
    fake.processModules = {"conime.exe"};
    fake.setRegistryValue(RegistryRoot::CurrentUser, kConsoleKey, kLoadConImeValue,
                          RegistryValue::dword(5));
    EXPECT_EQ(run(""), 0);
    EXPECT_EQ(fake.registryValue(RegistryRoot::CurrentUser, kConsoleKey, kLoadConImeValue)->data,
              RegistryValue::dword(5).data);
    fake.processModules.clear();
    fake.setRegistryValue(RegistryRoot::CurrentUser, kConsoleKey, kLoadConImeValue,
                          RegistryValue::dword(0));
    EXPECT_EQ(run(""), 0);  // 0 stays 0: nothing to restore
    EXPECT_EQ(fake.registryValue(RegistryRoot::CurrentUser, kConsoleKey, kLoadConImeValue)->data,
              RegistryValue::dword(0).data);
}

TEST_F(AppTest, HiddenDialogThatCannotBeCreatedFails) {
    dialogs.creationFails = true;
    EXPECT_EQ(run("/S /A /L C:\\TEMP\\UN.LOG"), 1);
    EXPECT_EQ(dialogs.record.destroyed, 0);
}

}  // namespace
}  // namespace zrt::un::testing
