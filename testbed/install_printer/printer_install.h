// Installing a printer of the family for tests and demonstrations: the family's driver with
// dummy driver files, and a printer on a port with the print processor "WinPrint".
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
};

// ERROR_SUCCESS, or the error of the failed spooler call. A printer of that name that is
// already there counts as installed.
DWORD installPrinter(const PrinterSpec& spec);
// ERROR_SUCCESS when the printer is gone (also when it was never there); the per-printer
// settings key of the status window goes with it.
DWORD removePrinter(const std::wstring& name);
bool printerExists(const std::wstring& name);

}  // namespace zrt::testbed
