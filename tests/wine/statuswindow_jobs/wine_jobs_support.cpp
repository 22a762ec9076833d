#include "wine_jobs_support.h"

#include <winspool.h>

namespace zrt::statuswindow::wine {

namespace {

// A small file the spooler copies into its driver folder as a driver file.
std::wstring dummyDriverFile(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    writeFile(path, "MZ");
    return path;
}

}  // namespace

FilePortPrinter::FilePortPrinter(const std::wstring& name, const std::wstring& outputFile)
    : name_(name), driver_(L"ZRT Jobs Test Driver") {
    std::wstring driverPath = dummyDriverFile(L"ZRTJOBS.DLL");
    std::wstring dataPath = dummyDriverFile(L"ZRTJOBS.GPD");
    std::wstring configPath = dummyDriverFile(L"ZRTJOBSUI.DLL");
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = driver_.data();
    driver.pDriverPath = driverPath.data();
    driver.pDataFile = dataPath.data();
    driver.pConfigFile = configPath.data();
    AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES);

    std::wstring port = outputFile;
    wchar_t processor[] = L"WinPrint";
    wchar_t datatype[] = L"RAW";
    PRINTER_INFO_2W info{};
    info.pPrinterName = name_.data();
    info.pPortName = port.data();
    info.pDriverName = driver_.data();
    info.pPrintProcessor = processor;
    info.pDatatype = datatype;
    const HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer != nullptr) {
        installed_ = true;
        ClosePrinter(printer);
    }
}

FilePortPrinter::~FilePortPrinter() {
    HANDLE printer = nullptr;
    if (OpenPrinterW(name_.data(), &printer, nullptr)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    DeletePrinterDriverW(nullptr, nullptr, driver_.data());
}

SandboxKey::SandboxKey(const std::wstring& path) : path_(path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(key);
}

SandboxKey::~SandboxKey() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

bool SandboxKey::setString(const wchar_t* name, const std::wstring& value) const {
    return RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), name, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool SandboxKey::setDword(const wchar_t* name, DWORD value) const {
    return RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), name, REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
    return true;
}

std::string utf8(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace zrt::statuswindow::wine
