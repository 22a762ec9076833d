// The spooler as the printer list and the removal use it. Lists keep apart a failure to size
// them (the first call) and a failure to read them (the second call).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uninstaller/frame/system/handle.h"
#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

// PRINTER_ENUM_* flags.
inline constexpr std::uint32_t kEnumLocal = 0x2;
inline constexpr std::uint32_t kEnumConnections = 0x4;

struct PrinterInfo2 {
    std::string serverName, printerName, shareName, portName, driverName;
    std::uint32_t attributes = 0;
    std::uint32_t status = 0;
    std::uint32_t jobs = 0;
};

struct DriverInfo3 {
    std::uint32_t version = 0;
    std::string name, environment, driverPath, dataFile, configFile, helpFile;
    std::vector<std::string> dependentFiles;
    std::string monitorName, defaultDataType;
};

struct MonitorInfo2 {
    std::string name, environment, dllName;
};

enum class ListStage { Sizing, Reading };

template <class T>
struct SpoolerList {
    WinError error = kErrorSuccess;
    ListStage failedAt = ListStage::Sizing;  // meaningful when error is set
    std::vector<T> items;
    bool ok() const { return error == kErrorSuccess; }
};

class Spooler {
public:
    virtual ~Spooler() = default;
    virtual SpoolerList<PrinterInfo2> enumPrinters(std::uint32_t flags) = 0;
    virtual SpoolerList<DriverInfo3> enumDrivers(const std::string& environment) = 0;
    virtual SpoolerList<MonitorInfo2> enumMonitors() = 0;
    virtual Outcome<OwnedHandle> openPrinter(const std::string& name, bool administer) = 0;
    virtual Outcome<PrinterInfo2> printerInfo(const OwnedHandle& printer) = 0;
    virtual Outcome<DriverInfo3> printerDriver(const OwnedHandle& printer,
                                               const std::string& environment) = 0;
    virtual Outcome<std::uint32_t> jobCount(const OwnedHandle& printer) = 0;
    virtual WinError deletePrinter(const OwnedHandle& printer) = 0;
    virtual WinError deletePrinterConnection(const std::string& name) = 0;
    virtual WinError deletePrinterDriver(const std::string& environment,
                                         const std::string& driverName) = 0;
    virtual WinError deletePrinterDriverEx(const std::string& environment,
                                           const std::string& driverName,
                                           std::uint32_t deleteFlags, std::uint32_t version) = 0;
    virtual WinError deleteMonitor(const std::string& environment, const std::string& name) = 0;
    virtual Outcome<std::string> driverDirectory(const std::string& environment) = 0;
    virtual Outcome<std::string> defaultPrinter() = 0;
};

}  // namespace zrt::un
