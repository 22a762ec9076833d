// The real ZRT7QUN.EXE with the dialogs wired in, over printers installed in the prefix: the
// printer list on the display (rows, buttons, a screenshot), its Exit button, and the silent
// selection by driver name.
#include "tests/wine/uninstaller_ui/ui_wine_fixture.h"

#include <commctrl.h>

#include <cstdlib>

#include "tests/support/win32/child_process.h"
#include "tests/support/win32/test_files.h"
#include "uninstaller/ui/printer_list/list_ids.h"

namespace zrt::un::wine {
namespace {

using zrt::testing::ChildProcess;
using zrt::testing::programFolder;
using zrt::testing::readFile;

const char* const kExeIni =
    "[Profiles]\r\nPDL_NAME=ZRT7Q Color\r\nUninstallLevel=2\r\n"
    "[Uninstall Drivers]\r\nVemar ZRT7Q Color\r\n"
    "[Borderline Driver Versions]\r\nPRT_2KXP=3.1.0.0\r\nFAX_2KXP=2.0.0.0\r\nOLD_VER=1.0.0.0\r\n"
    "[PDL]\r\nPDL=PCL\r\n"
    "[Registrys]\r\nKEY_PRINTER=Printer\r\nKEY_PRINTER2=Printer2\r\nKEY_BEFORE=Before\r\n"
    "KEY_BEFORE2=Before2\r\nKEY_BEFORE3=Before3\r\nKEY_PDRVCAP=Caps\r\nKEY_PDRVCAP2=Caps2\r\n";

class UninstallerUiEndToEnd : public UiWineTest {
protected:
    void SetUp() override {
        UiWineTest::SetUp();
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "zrtunui" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        exe = folder + "ZRT7QUN.EXE";
        ASSERT_TRUE(CopyFileA((programFolder() + "ZRT7QUN.EXE").c_str(), exe.c_str(), FALSE))
            << "ZRT7QUN.EXE must be built beside the test";
        writeFile(folder + "ZRT7QUN.INI", kExeIni);
        writeFile(folder + "SEL.INI", "[Delete Driver Name]\r\n1=vemar zrt7q color\r\n");
        writeFile(folder + "NONE.INI", "[Delete Driver Name]\r\n1=No Such Driver\r\n");
    }
    void TearDown() override { zrt::testing::removeFolder(folder); }
    std::string folder, exe;
};

TEST_F(UninstallerUiEndToEnd, InteractiveListShowsTheFamilyAndExits) {
    ChildProcess program(exe, "");
    const HWND dialog = program.waitForDialog();
    ASSERT_NE(dialog, nullptr) << "the printer list did not appear";
    Sleep(500);
    const HWND list = GetDlgItem(dialog, kPrinterListView);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kCommandSelectAll)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kCommandCleanup))) << "UninstallLevel 2";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kMessageDebugButton)));
    if (const char* command = std::getenv("ZRT_UI_SCREENSHOT_PAUSE")) {
        Sleep(static_cast<DWORD>(std::atoi(command)));  // time for an outside screenshot
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kCommandClose, BN_CLICKED), 0);
    EXPECT_EQ(program.wait(), 0);
    EXPECT_EQ(GetFileAttributesA("C:\\VRTemp"), INVALID_FILE_ATTRIBUTES)
        << "the finish step removes the configuration copy";
}

TEST_F(UninstallerUiEndToEnd, SilentSelectionByDriverName) {
    struct Case {
        const char* selection;
        bool nothingFound;
    } cases[] = {{"SEL.INI", false}, {"NONE.INI", true}};
    for (const auto& c : cases) {
        const std::string log = folder + "UN.LOG";
        ChildProcess program(exe, "/S /D \"" + folder + c.selection + "\" /E /L " + log);
        EXPECT_EQ(program.wait(), 0) << "row " << c.selection;
        const std::string content = readFile(log);
        EXPECT_EQ(content.find(scriptText(55)) != std::string::npos, c.nothingFound)
            << "row " << c.selection << ":\n" << content;
    }
}

}  // namespace
}  // namespace zrt::un::wine
