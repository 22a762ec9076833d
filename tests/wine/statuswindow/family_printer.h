// A printer of the family in the Wine prefix, installed through the test bed's printer installer:
// the driver "Vemar KIRSTAL KX-5180" (dummy driver files) and a printer on port "FILE:" with the
// print processor "WinPrint". Removed again, with its settings key, when the object goes.
#pragma once

#include <windows.h>

#include <string>

#include "testbed/install_printer/printer_install.h"

namespace zrt::statuswindow::wine {

class FamilyPrinter {
public:
    // driverName other than the family's makes a printer that fails the family check.
    explicit FamilyPrinter(const std::string& printerName, const std::string& driverName = "Vemar KIRSTAL KX-5180");
    ~FamilyPrinter();
    FamilyPrinter(const FamilyPrinter&) = delete;
    FamilyPrinter& operator=(const FamilyPrinter&) = delete;

    bool installed() const { return installed_; }
    const std::string& name() const { return name_; }
    std::wstring wideName() const;
    // SetPrinterA level 2 with another port.
    bool setPort(const std::string& port);

private:
    std::string name_;
    std::string driver_;
    bool installed_ = false;
};

// The per-printer settings key of a printer, deleted with its values.
using testbed::deleteSettingsKey;
// A REG_DWORD of the settings key, or fallback.
DWORD settingValue(const std::wstring& printerName, const wchar_t* value, DWORD fallback);
bool setSettingValue(const std::wstring& printerName, const wchar_t* value, DWORD data);

}  // namespace zrt::statuswindow::wine
