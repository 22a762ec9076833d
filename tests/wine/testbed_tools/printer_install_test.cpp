// Installing and removing a printer of the family: through the library and through
// ZRT7QINSTPRN.EXE, as the demo and the screenshot tool do it.
#include <windows.h>
#include <winspool.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testbed/install_printer/printer_install.h"

namespace {

using namespace zrt::testbed;

constexpr wchar_t kPrinter[] = L"ZRT7Q Install Test";

std::wstring driverOf(const std::wstring& printer) {
    HANDLE handle = nullptr;
    std::wstring name = printer;
    if (!OpenPrinterW(name.data(), &handle, nullptr)) return L"(not open)";
    DWORD needed = 0;
    GetPrinterW(handle, 2, nullptr, 0, &needed);
    std::vector<unsigned long long> buffer(needed / 8 + 1);
    std::wstring driver = L"(no level 2)";
    if (needed != 0 && GetPrinterW(handle, 2, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed))
        driver = std::wstring(reinterpret_cast<PRINTER_INFO_2W*>(buffer.data())->pDriverName) + L" on " +
                 reinterpret_cast<PRINTER_INFO_2W*>(buffer.data())->pPortName;
    ClosePrinter(handle);
    return driver;
}

DWORD runTool(const std::wstring& arguments) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder = exe;
    folder.resize(folder.find_last_of(L'\\'));
    std::wstring line = L"\"" + folder + L"\\ZRT7QINSTPRN.EXE\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) return 0xDEADBEEF;
    DWORD code = 0xDEADBEEF;
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

class PrinterInstallTest : public ::testing::Test {
protected:
    void SetUp() override { removePrinter(kPrinter); }
    void TearDown() override { removePrinter(kPrinter); }
};

TEST_F(PrinterInstallTest, InstallsTheFamilyDriverOnFileAndAgainWithoutHarm) {
    ASSERT_FALSE(printerExists(kPrinter));
    EXPECT_EQ(installPrinter(PrinterSpec{kPrinter}), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(printerExists(kPrinter));
    EXPECT_EQ(driverOf(kPrinter), std::wstring(kFamilyDriver) + L" on FILE:");
    EXPECT_EQ(installPrinter(PrinterSpec{kPrinter}), static_cast<DWORD>(ERROR_SUCCESS)) << "already there counts as installed";
}

TEST_F(PrinterInstallTest, RemovesThePrinterAndItsSettingsKey) {
    ASSERT_EQ(installPrinter(PrinterSpec{kPrinter}), static_cast<DWORD>(ERROR_SUCCESS));
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Vemar\\ZRT7Q\\ZRT7Q Install Test\\PSW", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(removePrinter(kPrinter), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(printerExists(kPrinter));
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Vemar\\ZRT7Q\\ZRT7Q Install Test", 0, KEY_READ, &key),
              ERROR_SUCCESS)
        << "settings key removed";
    EXPECT_EQ(removePrinter(kPrinter), static_cast<DWORD>(ERROR_SUCCESS)) << "a printer that is not there is gone";
}

TEST_F(PrinterInstallTest, EmptyNameIsRefused) {
    EXPECT_EQ(installPrinter(PrinterSpec{L""}), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(PrinterInstallTest, SharedPrinterAndDriverRemoval) {
    constexpr wchar_t kDriver[] = L"ZRT7Q Install Test Driver";
    ASSERT_EQ(installPrinter(PrinterSpec{kPrinter, kDriver, L"LPT2:", L"ZRTINSTSHARE"}), static_cast<DWORD>(ERROR_SUCCESS));
    HANDLE handle = nullptr;
    std::wstring name = kPrinter;
    ASSERT_TRUE(OpenPrinterW(name.data(), &handle, nullptr));
    DWORD needed = 0;
    GetPrinterW(handle, 2, nullptr, 0, &needed);
    std::vector<unsigned long long> buffer(needed / 8 + 1);
    ASSERT_TRUE(GetPrinterW(handle, 2, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed));
    const auto* info = reinterpret_cast<PRINTER_INFO_2W*>(buffer.data());
    EXPECT_NE(info->Attributes & PRINTER_ATTRIBUTE_SHARED, 0u);
    EXPECT_EQ(std::wstring(info->pShareName != nullptr ? info->pShareName : L"(none)"), L"ZRTINSTSHARE");
    ClosePrinter(handle);
    EXPECT_EQ(removePrinter(kPrinter), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(removeDriver(kDriver), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(removeDriver(kDriver), static_cast<DWORD>(ERROR_SUCCESS)) << "a driver that is not there is gone";
}

TEST_F(PrinterInstallTest, ToolCommandLines) {
    struct Row {
        const char* row;
        const wchar_t* arguments;
        DWORD exitCode;
        bool installedAfter;
    } rows[] = {
        {"install with another driver and port", L"install \"ZRT7Q Install Test\" \"ZRT7Q Other Driver\" LPT1:", 0, true},
        {"remove", L"remove \"ZRT7Q Install Test\"", 0, false},
        {"install with defaults", L"install \"ZRT7Q Install Test\"", 0, true},
        {"no arguments", L"", 2, true},
        {"unknown command", L"add \"ZRT7Q Install Test\"", 2, true},
        {"remove with too many arguments", L"remove \"ZRT7Q Install Test\" x", 2, true},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(runTool(r.arguments), r.exitCode) << r.row;
        EXPECT_EQ(printerExists(kPrinter), r.installedAfter) << r.row;
        if (std::string(r.row) == "install with another driver and port") {
            EXPECT_EQ(driverOf(kPrinter), L"ZRT7Q Other Driver on LPT1:") << r.row;
        }
    }
}

}  // namespace
