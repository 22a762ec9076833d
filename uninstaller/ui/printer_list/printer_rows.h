// The rows of the printer list, built from the spooler: the installed printers and connections
// whose driver qualifies, filtered by the silent-mode selection, each with its display name,
// icon, flags and the product's version text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "uninstaller/frame/command_line_options.h"
#include "uninstaller/frame/product_file_names.h"
#include "uninstaller/frame/session.h"
#include "uninstaller/frame/system/machine.h"
#include "uninstaller/ui/printer_list/driver_qualification.h"
#include "uninstaller/ui/printer_list/printer_item.h"

namespace zrt::un {

inline constexpr const char* kFilePort = "FILE:";
inline constexpr std::size_t kDeviceBuffer = 260;

struct RowSource {
    Machine& machine;
    const Session& session;
    const CommandLineOptions& options;
    const ProductFileNames& names;
    const DriverQualifier& drivers;
    int osCode;
};

struct BuiltRows {
    bool enumerated = false;  // false when the printers could not be enumerated
    std::vector<PrinterRow> rows;
};

// The name of the default printer on NT 4.0 and later; nullopt when there is none.
std::optional<std::string> defaultPrinterName(Machine& machine, int osCode);

// Icon and flags of a printer; `isDefault` adds the default-printer offset.
void chooseIconAndFlags(const PrinterInfo2& printer, int osCode, bool isDefault, PrinterRow& row);

// In silent mode with /P or /D, whether the printer passes the selection.
bool passesSelection(const PrinterInfo2& printer, const Session& session,
                     const CommandLineOptions& options, TextServices& text);

BuiltRows buildPrinterRows(const RowSource& source);

}  // namespace zrt::un
