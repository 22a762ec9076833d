#include "family_printer.h"

#include <winspool.h>

#include <vector>

#include "testbed/install_printer/printer_install.h"

namespace zrt::statuswindow::wine {

namespace {

std::wstring widened(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

// The key that holds the printer's values.
std::wstring valuesKey(const std::wstring& printerName) { return testbed::settingsKey(printerName) + L"\\PSW"; }

}  // namespace

FamilyPrinter::FamilyPrinter(const std::string& printerName, const std::string& driverName)
    : name_(printerName), driver_(driverName) {
    installed_ = testbed::installPrinter(testbed::PrinterSpec{wideName(), widened(driver_)}) == ERROR_SUCCESS;
}

FamilyPrinter::~FamilyPrinter() { testbed::removePrinter(wideName()); }

std::wstring FamilyPrinter::wideName() const { return widened(name_); }

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

DWORD settingValue(const std::wstring& printerName, const wchar_t* value, DWORD fallback) {
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, valuesKey(printerName).c_str(), value, RRF_RT_REG_DWORD, nullptr, &data,
                     &size) != ERROR_SUCCESS)
        return fallback;
    return data;
}

bool setSettingValue(const std::wstring& printerName, const wchar_t* value, DWORD data) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, valuesKey(printerName).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExW(key, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) ==
                    ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

}  // namespace zrt::statuswindow::wine
