// The spooler through the 8-bit print-spooler functions.
#pragma once

#include "uninstaller/frame/system/spooler.h"

namespace zrt::un::win32 {

class Win32Spooler final : public Spooler, private HandleCloser {
public:
    SpoolerList<PrinterInfo2> enumPrinters(std::uint32_t flags) override;
    SpoolerList<DriverInfo3> enumDrivers(const std::string& environment) override;
    SpoolerList<MonitorInfo2> enumMonitors() override;
    Outcome<OwnedHandle> openPrinter(const std::string& name, bool fullAccess) override;
    Outcome<PrinterInfo2> printerInfo(const OwnedHandle& printer) override;
    Outcome<std::uint32_t> printerAttributes(const OwnedHandle& printer) override;
    WinError setPrinterAttributes(const OwnedHandle& printer, std::uint32_t value) override;
    Outcome<DriverInfo3> printerDriver(const OwnedHandle& printer,
                                       const std::string& environment) override;
    WinError deletePrinter(const OwnedHandle& printer) override;
    WinError deletePrinterConnection(const std::string& name) override;
    WinError deletePrinterDriver(const std::string& environment,
                                 const std::string& driverName) override;
    WinError deletePrinterDriverEx(const std::string& environment, const std::string& driverName,
                                   std::uint32_t deleteFlags, std::uint32_t version) override;
    WinError deleteMonitor(const std::string& environment, const std::string& name) override;
    Outcome<std::string> driverDirectory(const std::string& environment) override;
    Outcome<std::string> defaultPrinter() override;

private:
    void closeHandle(RawHandle handle) noexcept override;
};

}  // namespace zrt::un::win32
