#include "statuswindow/shell/spooler.h"

#include <vector>

#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

// A spooler record of the size the spooler asks for: 8-byte aligned storage.
std::vector<unsigned long long> recordBuffer(DWORD bytes) { return std::vector<unsigned long long>((bytes + 7) / 8); }

}  // namespace

PrinterHandle openPrinter(TextView printerName) {
    std::wstring name = toWide(printerName);
    HANDLE raw = nullptr;
    if (!OpenPrinterW(name.data(), &raw, nullptr)) return PrinterHandle();
    return PrinterHandle(raw);
}

std::optional<PrinterInfo2> readPrinterInfo2(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    if (needed == 0) return std::nullopt;
    std::vector<unsigned long long> buffer = recordBuffer(needed);
    if (!GetPrinterW(printer, 2, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed)) return std::nullopt;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    PrinterInfo2 result;
    result.serverName = optionalText(info->pServerName);
    result.shareName = optionalText(info->pShareName);
    result.portName = optionalText(info->pPortName);
    result.attributes = info->Attributes;
    return result;
}

std::optional<DriverInfo3> readDriverInfo3(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterDriverW(printer, nullptr, 3, nullptr, 0, &needed);
    if (needed == 0) return std::nullopt;
    std::vector<unsigned long long> buffer = recordBuffer(needed);
    if (!GetPrinterDriverW(printer, nullptr, 3, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed))
        return std::nullopt;
    const auto* info = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    DriverInfo3 result;
    result.driverName = optionalText(info->pName);
    result.monitorName = optionalText(info->pMonitorName);
    return result;
}

std::optional<Text> derivePortTextFromSpooler(HANDLE printer, TextView printerName) {
    PrinterHandle own;
    if (printer == nullptr) {
        own = openPrinter(printerName);
        if (!own) return std::nullopt;
        printer = own.get();
    }
    const std::optional<PrinterInfo2> info = readPrinterInfo2(printer);
    const std::optional<DriverInfo3> driver = readDriverInfo3(printer);
    if (!info || !driver) return std::nullopt;
    return derivePortText(*info, *driver);
}

}  // namespace zrt::statuswindow::shell
