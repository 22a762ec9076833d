#include "tests/wine/uninstaller_ui/ui_wine_fixture.h"

#include <winspool.h>

#include "testbed/install_printer/printer_install.h"

namespace zrt::un::wine {
namespace {

const char* const kIni =
    "[Profiles]\r\nPDL_NAME=ZRT7Q Color\r\nUninstallLevel=1\r\n"
    "[Uninstall Drivers]\r\nVemar ZRT7Q Color\r\n"
    "[Uninstall Old Drivers]\r\nVemar ZRT6 Color\r\n"
    "[Borderline Driver Versions]\r\nPRT_2KXP=3.1.0.0\r\nFAX_2KXP=2.0.0.0\r\nOLD_VER=1.0\r\n"
    "[PDL]\r\nPDL=PCL\r\n"
    "[Registrys]\r\nKEY_PRINTER=P\r\nKEY_PRINTER2=P2\r\nKEY_BEFORE=B\r\nKEY_BEFORE2=B2\r\n"
    "KEY_BEFORE3=B3\r\nKEY_PDRVCAP=C\r\nKEY_PDRVCAP2=C2\r\n";

std::wstring widened(const char* text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), size);
    out.resize(out.size() - 1);
    return out;
}

void addPrinter(const char* name, const char* driver, const wchar_t* port, const wchar_t* shareName = L"") {
    testbed::installPrinter(testbed::PrinterSpec{widened(name), widened(driver), port, shareName});
}

}  // namespace

std::wstring scriptTextW(unsigned id) {
    static const zrt::testing::RcStrings strings = [] {
        auto all = zrt::testing::readRcStrings(
            zrt::testing::rcPath("resources/uninstaller/ZRT7QUN.rc"));
        for (const auto& [key, value] : zrt::testing::readRcStrings(
                 zrt::testing::rcPath("resources/uninstaller/dialogs_ui.rc"))) {
            all[key] = value;
        }
        return all;
    }();
    const std::u16string& text = strings.at(id);
    return std::wstring(text.begin(), text.end());
}

std::string toAnsi(const std::wstring& text) {
    const int size = WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::string scriptText(unsigned id) { return toAnsi(scriptTextW(id)); }

void installPrinters() {
    testbed::installDriver(widened(kFamilyDriver));
    testbed::installDriver(widened(kOtherDriver));
    addPrinter(kOffice, kFamilyDriver, L"FILE:");
    addPrinter(kShared, kFamilyDriver, L"LPT1:", L"ZRTSHARE");
    addPrinter(kLongName, kFamilyDriver, L"LPT2:");
    addPrinter(kOther, kOtherDriver, L"LPT1:");
    SetDefaultPrinterA(kOffice);
}

void removePrinters() {
    for (const char* name : {kOffice, kShared, kLongName, kOther}) {
        testbed::removePrinter(widened(name));
    }
    testbed::removeDriver(widened(kFamilyDriver));
    testbed::removeDriver(widened(kOtherDriver));
}

win32::Win32Machine& UiWineTest::system() {
    static win32::Win32Machine machine(GetModuleHandleA(nullptr), "");
    return machine;
}

void UiWineTest::SetUpTestSuite() {
    writeFile(std::string(kFolder) + "ZRT7QUN.INI", kIni);
    char systemDir[MAX_PATH] = {};
    GetSystemDirectoryA(systemDir, MAX_PATH);
    writeFile(std::string(systemDir) + "\\Spool\\Drivers\\w32x86\\3\\ZRT7QINK.DAT",
              "[VersionInfo]\r\nAboutDLGVersion=1.23\r\n");
    installPrinters();
}

void UiWineTest::TearDownTestSuite() { removePrinters(); }

void UiWineTest::SetUp() {
    session.silent = false;
    session.interactive = true;
    ASSERT_TRUE(names.load(kProgram, machine.profiles, machine.text));
    ASSERT_TRUE(readConfig(machine.profiles, std::string(kFolder) + "ZRT7QUN.INI", catalog, config));
}

void UiWineTest::pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::unique_ptr<win32::PrinterListDialog> UiWineTest::openPrinterList() {
    PrinterListContext list{machine,   session,    config,  options,         names,
                            tempFolder, companions, spoolerStopped, dependents, restart};
    auto dialog = std::make_unique<win32::PrinterListDialog>(
        GetModuleHandleA(nullptr), win32::PrinterListDialogContext{list, catalog, names, runs});
    EXPECT_TRUE(dialog->createHidden());
    pump();
    return dialog;
}

}  // namespace zrt::un::wine
