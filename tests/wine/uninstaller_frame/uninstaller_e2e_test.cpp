// The real ZRT7QUN.EXE as a separate process, in a test folder with its INI file beside it:
// exit codes, the silent log (code page 932) and the message box of an interactive refusal.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/rc_strings.h"
#include "tests/support/win32/child_process.h"
#include "tests/support/win32/test_files.h"

namespace {

using zrt::testing::ChildProcess;
using zrt::testing::programFolder;
using zrt::testing::readFile;
using zrt::testing::writeFile;

const char* const kValidIni =
    "[Profiles]\r\nPDL_NAME=ZRT7Q Color\r\nUninstallLevel=1\r\n"
    "[Uninstall Drivers]\r\nVemar ZRT7Q Color\r\n"
    "[Borderline Driver Versions]\r\nPRT_2KXP=3.1.0.0\r\nFAX_2KXP=2.0.0.0\r\nOLD_VER=1.0.0.0\r\n"
    "[PDL]\r\nPDL=PCL\r\n"
    "[Registrys]\r\nKEY_PRINTER=Printer\r\nKEY_PRINTER2=Printer2\r\nKEY_BEFORE=Before\r\n"
    "KEY_BEFORE2=Before2\r\nKEY_BEFORE3=Before3\r\nKEY_PDRVCAP=Caps\r\nKEY_PDRVCAP2=Caps2\r\n";

std::string text932(unsigned id) {
    static const auto strings =
        zrt::testing::readRcStrings(zrt::testing::rcPath("resources/uninstaller/ZRT7QUN.rc"));
    const auto* wide = reinterpret_cast<const wchar_t*>(strings.at(id).c_str());
    const int size = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

// A text with its bare LF written as CR LF, as the log writes line breaks.
std::string crlf(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
        text.insert(at, "\r");
    }
    return text;
}

class UninstallerEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "zrtun" + std::to_string(GetCurrentProcessId()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        exe = folder + "ZRT7QUN.EXE";
        ASSERT_TRUE(CopyFileA((programFolder() + "ZRT7QUN.EXE").c_str(), exe.c_str(), FALSE))
            << "ZRT7QUN.EXE must be built beside the test";
    }
    void TearDown() override { zrt::testing::removeFolder(folder); }
    int run(const std::string& arguments) {
        ChildProcess process(exe, arguments);
        EXPECT_TRUE(process.started());
        return process.wait();
    }
    // The log's lines without their time stamps (a line may hold a CR LF of its own).
    std::vector<std::string> logLines(const std::string& path) const {
        const std::string content = readFile(path);
        std::vector<std::string> lines;
        std::size_t begin = 0;
        while (begin < content.size()) {
            EXPECT_GE(content.size() - begin, 20u);
            EXPECT_EQ(content[begin + 4], '/');
            EXPECT_EQ(content[begin + 10], ':');
            EXPECT_EQ(content[begin + 19], '\t');
            begin += 20;
            std::size_t end = begin;
            for (;;) {
                end = content.find("\r\n", end);
                if (end == std::string::npos || end + 6 >= content.size() ||
                    content[end + 6] == '/') {
                    break;
                }
                end += 2;  // a line break inside the text
            }
            if (end == std::string::npos) {
                end = content.size();
            }
            lines.push_back(content.substr(begin, end - begin));
            begin = end + 2;
        }
        return lines;
    }
    std::vector<std::string> silentLog(const std::string& arguments,
                                       std::vector<std::string> middle) const {
        std::vector<std::string> lines = {text932(59), "UNINSTAL.EXE " + arguments, ""};
        for (const std::string& line : middle) {
            lines.push_back(crlf(line));
        }
        lines.push_back("Uninstal.exe is Done.");
        return lines;
    }
    std::string upper(std::string text) const {
        CharUpperA(text.data());
        return text;
    }

    std::string folder;
    std::string exe;
};

TEST_F(UninstallerEndToEnd, SilentSwitchErrorsExitWith1AndAreLogged) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    struct Row {
        const char* switches;
        unsigned message;
    };
    const Row rows[] = {{"/S /A /C", 47}, {"/SA", 51}, {"/s /p \"none.ini\"", 30}, {"/S", 51}};
    for (const Row& row : rows) {
        const std::string log = folder + "bad.log";
        const std::string arguments = std::string(row.switches) + " /L " + log;
        EXPECT_EQ(run(arguments), 1) << "row " << row.switches;
        EXPECT_EQ(logLines(log), silentLog(upper(arguments), {text932(3), text932(row.message)}))
            << "row " << row.switches;
    }
}

TEST_F(UninstallerEndToEnd, SilentRunWithNothingToRemoveLogsMessage55) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    const std::string arguments = "/S /A /E /L " + folder + "run.log";
    EXPECT_EQ(run(arguments), 0);
    EXPECT_EQ(logLines(folder + "run.log"), silentLog(upper(arguments), {text932(55)}));
    EXPECT_EQ(GetFileAttributesA("C:\\VRTemp"), INVALID_FILE_ATTRIBUTES);  // copy removed
}

TEST_F(UninstallerEndToEnd, LowerCaseLogPathIsCreatedInUpperCase) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    EXPECT_EQ(run("/S /C /L " + folder + "lower.log"), 0);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.log").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_STREQ(found.cFileName, "LOWER.LOG");
    const auto lines = logLines(folder + "LOWER.LOG");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], text932(58));  // /C while the level is not 2
}

TEST_F(UninstallerEndToEnd, MissingIniGivesMessage30) {
    const std::string arguments = "/S /A /L " + folder + "noini.log";
    EXPECT_EQ(run(arguments), 1);
    EXPECT_EQ(logLines(folder + "noini.log"),
              silentLog(upper(arguments), {text932(3), text932(30)}));
}

TEST_F(UninstallerEndToEnd, MessageDebugDumpExitsWith0) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", std::string(kValidIni) + ""));
    std::string ini = kValidIni;
    ini.insert(ini.find("PDL_NAME"), "MessageDebugUI=1\r\n");
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", ini));
    const std::string arguments = "/S /A /L " + folder + "dump.log";
    EXPECT_EQ(run(arguments), 0);
    const auto lines = logLines(folder + "dump.log");
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[3], "==[ Message debug Start ]======================================"
                        "========================");
    EXPECT_EQ(lines[4], text932(47));
    std::string message50 = text932(50);
    message50.erase(message50.find("%s"), 2);
    EXPECT_EQ(lines[7], message50);  // the blanks around the switch stand together
    EXPECT_EQ(lines[15], text932(59));
    EXPECT_EQ(lines[16], "==[  Message debug End  ]======================================"
                         "========================");
    EXPECT_EQ(lines[17], "Uninstal.exe is Done.");
}

TEST_F(UninstallerEndToEnd, SecondInstanceExitsWith1) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "h_PrinterDriverUnInstaller_PrevInstance");
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(run("/S /A /L " + folder + "second.log"), 1);
    CloseHandle(mutex);
    EXPECT_EQ(GetFileAttributesA((folder + "second.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(UninstallerEndToEnd, AllWithoutSilentShowsMessage50InABox) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    ChildProcess process(exe, "/a");
    ASSERT_TRUE(process.started());
    HWND box = process.waitForDialog();
    ASSERT_NE(box, nullptr) << "no message box appeared";
    char title[256] = {};
    GetWindowTextA(box, title, sizeof title);
    char message[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, message, sizeof message);
    std::string expected = text932(50);
    expected.replace(expected.find("%s"), 2, "[/A]");
    EXPECT_EQ(std::string(title), text932(3));
    EXPECT_EQ(std::string(message), expected);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(process.wait(), 1);
}

TEST_F(UninstallerEndToEnd, InteractiveRunShowsThePrinterListUntilClosed) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    ChildProcess process(exe, "");
    ASSERT_TRUE(process.started());
    HWND dialog = process.waitForDialog();
    ASSERT_NE(dialog, nullptr) << "the printer list did not appear";
    EXPECT_NE(GetDlgItem(dialog, 1000), nullptr);  // the list
    // No printer of the family: Delete is enabled once the dialog has opened (the drivers
    // alone can be removed).
    bool deleteEnabled = false;
    for (int waited = 0; waited < 2000 && !deleteEnabled; waited += 50) {
        deleteEnabled = IsWindowEnabled(GetDlgItem(dialog, 1003)) != FALSE;
        Sleep(deleteEnabled ? 0 : 50);
    }
    EXPECT_TRUE(deleteEnabled);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1002)));  // nothing to select
    EXPECT_NE(GetFileAttributesA("C:\\VRTemp\\ZRT7QUN.INI"), INVALID_FILE_ATTRIBUTES);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(process.wait(), 0);
    EXPECT_EQ(GetFileAttributesA("C:\\VRTemp"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(UninstallerEndToEnd, UnwritableLogShowsMessage52EvenWhenSilent) {
    ASSERT_TRUE(writeFile(folder + "ZRT7QUN.INI", kValidIni));
    const std::string arguments = "/S /A /L " + folder + "NONE\\X.LOG";
    ChildProcess process(exe, arguments);
    ASSERT_TRUE(process.started());
    HWND box = process.waitForDialog();
    ASSERT_NE(box, nullptr) << "no message box appeared";
    char message[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, message, sizeof message);
    EXPECT_EQ(std::string(message), text932(52) + "\n UNINSTAL.EXE " + upper(arguments));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(process.wait(), 1);
}

}  // namespace
