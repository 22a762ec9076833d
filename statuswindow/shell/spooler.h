// The spooler's view of the status window's printer: its PRINTER_INFO_2 and DRIVER_INFO_3 in
// the core's terms, and the port text derived from them.
#pragma once

#include <optional>

#include "statuswindow/core/printer_facts.h"
#include "statuswindow/shell/handles.h"

namespace zrt::statuswindow::shell {

PrinterHandle openPrinter(TextView printerName);
std::optional<PrinterInfo2> readPrinterInfo2(HANDLE printer);
std::optional<DriverInfo3> readDriverInfo3(HANDLE printer);

// Derives the port text, opening the printer for the call when printer is null.
std::optional<Text> derivePortTextFromSpooler(HANDLE printer, TextView printerName);

}  // namespace zrt::statuswindow::shell
