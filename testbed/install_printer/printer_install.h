// Installing a printer of the family for tests and demonstrations: the family's driver (or
// another) with dummy driver files, and a printer on a port with the print processor "WinPrint",
// shared when a share name is given.
#pragma once

#include <windows.h>

#include <string>

namespace zrt::testbed {

inline constexpr wchar_t kFamilyDriver[] = L"Vemar KIRSTAL KX-5180";
inline constexpr wchar_t kDefaultPort[] = L"FILE:";

struct PrinterSpec {
    std::wstring name;
    std::wstring driver = kFamilyDriver;
    std::wstring port = kDefaultPort;
    std::wstring shareName{};  // empty: not shared
};

// ERROR_SUCCESS, or the error of the failed spooler call. A printer of that name that is
// already there counts as installed; the driver is installed first.
DWORD installPrinter(const PrinterSpec& setup);
// Installs the driver with dummy driver files; one that is already there counts as installed.
DWORD installDriver(const std::wstring& driverName);
// ERROR_SUCCESS when the printer is gone (also when it was never there); the per-printer
// settings key of the status window goes with it.
DWORD removePrinter(const std::wstring& name);
bool printerExists(const std::wstring& name);
// ERROR_SUCCESS when the driver is gone (also when it was never there).
DWORD removeDriver(const std::wstring& driverName);
// The status window's per-printer settings key under HKEY_LOCAL_MACHINE (its values are in the
// subkey "PSW").
std::wstring settingsKey(const std::wstring& printerName);
// Deletes that key with its "PSW" subkey.
void deleteSettingsKey(const std::wstring& printerName);

}  // namespace zrt::testbed
