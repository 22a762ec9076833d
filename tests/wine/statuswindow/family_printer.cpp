#include "family_printer.h"

#include <winspool.h>

#include <vector>

namespace zrt::statuswindow::wine {

namespace {

std::wstring settingsKey(const std::wstring& printerName) {
    std::wstring key = L"Software\\Vemar\\ZRT7Q\\";
    for (wchar_t c : printerName) key.push_back(c == L'\\' ? L',' : c);
    return key + L"\\PSW";
}

// A small file the spooler copies into its driver folder as a driver file.
std::string dummyDriverFile(const char* name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "MZ", 2, &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

}  // namespace

FamilyPrinter::FamilyPrinter(const std::string& printerName, const std::string& driverName)
    : name_(printerName), driver_(driverName) {
    std::string driverPath = dummyDriverFile("ZRTKX.DLL");
    std::string dataPath = dummyDriverFile("ZRTKX.GPD");
    std::string configPath = dummyDriverFile("ZRTKXUI.DLL");
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = driver_.data();
    driver.pDriverPath = driverPath.data();
    driver.pDataFile = dataPath.data();
    driver.pConfigFile = configPath.data();
    AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES);

    char port[] = "FILE:";
    char processor[] = "WinPrint";
    char datatype[] = "RAW";
    PRINTER_INFO_2A info{};
    info.pPrinterName = name_.data();
    info.pPortName = port;
    info.pDriverName = driver_.data();
    info.pPrintProcessor = processor;
    info.pDatatype = datatype;
    const HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer != nullptr) {
        installed_ = true;
        ClosePrinter(printer);
    }
}

FamilyPrinter::~FamilyPrinter() {
    HANDLE printer = nullptr;
    if (OpenPrinterA(name_.data(), &printer, nullptr)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    deleteSettingsKey(wideName());
}

std::wstring FamilyPrinter::wideName() const {
    const int n = MultiByteToWideChar(CP_ACP, 0, name_.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name_.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

bool FamilyPrinter::setPort(const std::string& port) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(name_.data(), &printer, &access)) return false;
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<unsigned long long> buffer((needed + 7) / 8 + 1);
    bool ok = false;
    if (needed != 0 && GetPrinterA(printer, 2, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed)) {
        auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
        std::string copy = port;
        info->pPortName = copy.data();
        ok = SetPrinterA(printer, 2, reinterpret_cast<BYTE*>(info), 0) != FALSE;
    }
    ClosePrinter(printer);
    return ok;
}

void deleteSettingsKey(const std::wstring& printerName) {
    const std::wstring key = settingsKey(printerName);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    const std::wstring parent = key.substr(0, key.size() - 4);  // without "\PSW"
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, parent.c_str());
}

DWORD settingValue(const std::wstring& printerName, const wchar_t* value, DWORD fallback) {
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, settingsKey(printerName).c_str(), value, RRF_RT_REG_DWORD, nullptr, &data,
                     &size) != ERROR_SUCCESS)
        return fallback;
    return data;
}

bool setSettingValue(const std::wstring& printerName, const wchar_t* value, DWORD data) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey(printerName).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExW(key, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) ==
                    ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

}  // namespace zrt::statuswindow::wine
