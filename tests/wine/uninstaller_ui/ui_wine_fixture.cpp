#include "tests/wine/uninstaller_ui/ui_wine_fixture.h"

#include <winspool.h>

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

void installDriver(const char* name) {
    const std::string file = std::string(kFolder) + "ZRTUIDRV.DLL";
    writeFile(file, "MZ");
    std::string driverName = name;
    std::string path = file;
    DRIVER_INFO_3A info{};
    info.cVersion = 3;
    info.pName = driverName.data();
    info.pDriverPath = path.data();
    info.pDataFile = path.data();
    info.pConfigFile = path.data();
    AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info), APD_COPY_NEW_FILES);
}

void addPrinter(const char* name, const char* driver, const char* port, bool shared) {
    std::string printer = name;
    std::string portName = port;
    std::string driverName = driver;
    std::string processor = "WinPrint";
    std::string dataType = "RAW";
    std::string share = "ZRTSHARE";
    PRINTER_INFO_2A info{};
    info.pPrinterName = printer.data();
    info.pPortName = portName.data();
    info.pDriverName = driverName.data();
    info.pPrintProcessor = processor.data();
    info.pDatatype = dataType.data();
    if (shared) {
        info.pShareName = share.data();
        info.Attributes = PRINTER_ATTRIBUTE_SHARED;
    }
    HANDLE handle = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (handle != nullptr) {
        ClosePrinter(handle);
    }
}

void deletePrinter(const char* name) {
    std::string printer = name;
    HANDLE handle = nullptr;
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterA(printer.data(), &handle, &access)) {
        DeletePrinter(handle);
        ClosePrinter(handle);
    }
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
    installDriver(kFamilyDriver);
    installDriver(kOtherDriver);
    addPrinter(kOffice, kFamilyDriver, "FILE:", false);
    addPrinter(kShared, kFamilyDriver, "LPT1:", true);
    addPrinter(kLongName, kFamilyDriver, "LPT2:", false);
    addPrinter(kOther, kOtherDriver, "LPT1:", false);
    SetDefaultPrinterA(kOffice);
}

void removePrinters() {
    for (const char* name : {kOffice, kShared, kLongName, kOther}) {
        deletePrinter(name);
    }
    std::string family = kFamilyDriver;
    std::string other = kOtherDriver;
    DeletePrinterDriverA(nullptr, nullptr, family.data());
    DeletePrinterDriverA(nullptr, nullptr, other.data());
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
