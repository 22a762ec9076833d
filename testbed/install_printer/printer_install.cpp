#include "testbed/install_printer/printer_install.h"

#include <winspool.h>

#include <vector>

namespace zrt::testbed {

namespace {

// An open printer handle, closed when it goes.
class PrinterHandle {
public:
    explicit PrinterHandle(const std::wstring& name, ACCESS_MASK access) {
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
        std::wstring copy = name;
        if (!OpenPrinterW(copy.data(), &handle_, &defaults)) handle_ = nullptr;
    }
    ~PrinterHandle() {
        if (handle_ != nullptr) ClosePrinter(handle_);
    }
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

// A small file the spooler copies into its driver folder as a driver file.
std::wstring dummyDriverFile(const wchar_t* name) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "MZ", 2, &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

}  // namespace

DWORD installDriver(const std::wstring& driverName) {
    std::wstring name = driverName;
    std::wstring driverPath = dummyDriverFile(L"ZRTKX.DLL");
    std::wstring dataPath = dummyDriverFile(L"ZRTKX.GPD");
    std::wstring configPath = dummyDriverFile(L"ZRTKXUI.DLL");
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = name.data();
    driver.pDriverPath = driverPath.data();
    driver.pDataFile = dataPath.data();
    driver.pConfigFile = configPath.data();
    if (AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    return error == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED ? ERROR_SUCCESS : error;
}

std::wstring settingsKey(const std::wstring& printerName) {
    std::wstring key = L"Software\\Vemar\\ZRT7Q\\";
    for (wchar_t c : printerName) key.push_back(c == L'\\' ? L',' : c);
    return key;
}

void deleteSettingsKey(const std::wstring& printerName) {
    const std::wstring key = settingsKey(printerName);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (key + L"\\PSW").c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
}

bool printerExists(const std::wstring& name) { return static_cast<bool>(PrinterHandle(name, PRINTER_ACCESS_USE)); }

DWORD installPrinter(const PrinterSpec& setup) {
    if (setup.name.empty()) return ERROR_INVALID_PARAMETER;
    if (printerExists(setup.name)) return ERROR_SUCCESS;
    if (const DWORD error = installDriver(setup.driver); error != ERROR_SUCCESS) return error;
    std::wstring name = setup.name;
    std::wstring driver = setup.driver;
    std::wstring port = setup.port;
    std::wstring share = setup.shareName;
    wchar_t processor[] = L"WinPrint";
    wchar_t datatype[] = L"RAW";
    PRINTER_INFO_2W info{};
    info.pPrinterName = name.data();
    info.pPortName = port.data();
    info.pDriverName = driver.data();
    info.pPrintProcessor = processor;
    info.pDatatype = datatype;
    if (!share.empty()) {
        info.pShareName = share.data();
        info.Attributes = PRINTER_ATTRIBUTE_SHARED;
    }
    const HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer == nullptr) return GetLastError();
    ClosePrinter(printer);
    return ERROR_SUCCESS;
}

DWORD removePrinter(const std::wstring& name) {
    DWORD result = ERROR_SUCCESS;
    if (const PrinterHandle printer(name, PRINTER_ALL_ACCESS); printer) {
        if (!DeletePrinter(printer.get())) result = GetLastError();
    }
    deleteSettingsKey(name);
    return result;
}

DWORD removeDriver(const std::wstring& driverName) {
    std::wstring name = driverName;
    if (DeletePrinterDriverW(nullptr, nullptr, name.data())) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    // Windows names an unknown driver; Wine finds no key of that driver.
    return error == ERROR_UNKNOWN_PRINTER_DRIVER || error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

}  // namespace zrt::testbed
