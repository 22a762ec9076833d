// The spooler as the printer list and the removal use it, on the local machine. Lists keep
// apart the three ways they can fail: the size query (the first call), the memory for them,
// and the read itself (the second call). An empty environment name is the current one.
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
// PRINTER_ATTRIBUTE_* bits.
inline constexpr std::uint32_t kPrinterDefault = 0x4;
inline constexpr std::uint32_t kPrinterShared = 0x8;
inline constexpr std::uint32_t kPrinterNetwork = 0x10;
inline constexpr std::uint32_t kPrinterLocal = 0x40;
// DPD_* flags of deletePrinterDriverEx.
inline constexpr std::uint32_t kDeleteUnusedFiles = 0x1;
inline constexpr std::uint32_t kDeleteSpecificVersion = 0x2;
inline constexpr std::uint32_t kDeleteAllFiles = 0x4;

// PRINTER_INFO_2, the fields the uninstaller reads.
struct PrinterInfo2 {
    std::string serverName, printerName, shareName, portName, driverName;
    std::uint32_t attributes = 0;
    std::uint32_t status = 0;
    std::uint32_t jobs = 0;
};

// DRIVER_INFO_3.
struct DriverInfo3 {
    std::uint32_t version = 0;
    std::string name, environment, driverPath, dataFile, configFile, helpFile;
    std::vector<std::string> dependentFiles;
    std::string monitorName, defaultDataType;
};

// MONITOR_INFO_2.
struct MonitorInfo2 {
    std::string name, environment, dllName;
};

enum class ListStage { Sizing, Allocating, Reading };

template <class T>
struct SpoolerList {
    WinError error = kErrorSuccess;
    ListStage failedAt = ListStage::Sizing;  // meaningful when error is set
    std::vector<T> items;
    bool ok() const { return error == kErrorSuccess; }
    static SpoolerList failure(ListStage stage, WinError code) {
        SpoolerList list;
        list.error = code;
        list.failedAt = stage;
        return list;
    }
};

class Spooler {
public:
    virtual ~Spooler() = default;
    // Level 2 of the printers that `flags` select (kEnumLocal, kEnumConnections).
    virtual SpoolerList<PrinterInfo2> enumPrinters(std::uint32_t flags) = 0;
    // Level 3 of the installed drivers of an environment.
    virtual SpoolerList<DriverInfo3> enumDrivers(const std::string& environment) = 0;
    virtual SpoolerList<MonitorInfo2> enumMonitors() = 0;
    // kErrorInvalidPrinterName for an unknown printer; full access or use only.
    virtual Outcome<OwnedHandle> openPrinter(const std::string& name, bool fullAccess) = 0;
    virtual Outcome<PrinterInfo2> printerInfo(const OwnedHandle& printer) = 0;
    // The attributes of level 5, read and written (the 9x way to make a printer the default).
    virtual Outcome<std::uint32_t> printerAttributes(const OwnedHandle& printer) = 0;
    virtual WinError setPrinterAttributes(const OwnedHandle& printer, std::uint32_t value) = 0;
    virtual Outcome<DriverInfo3> printerDriver(const OwnedHandle& printer,
                                               const std::string& environment) = 0;
    virtual WinError deletePrinter(const OwnedHandle& printer) = 0;
    virtual WinError deletePrinterConnection(const std::string& name) = 0;
    // kErrorUnknownPrinterDriver for a driver that is not installed, kErrorPrinterDriverInUse
    // while a printer uses it.
    virtual WinError deletePrinterDriver(const std::string& environment,
                                         const std::string& driverName) = 0;
    virtual WinError deletePrinterDriverEx(const std::string& environment,
                                           const std::string& driverName,
                                           std::uint32_t deleteFlags, std::uint32_t version) = 0;
    virtual WinError deleteMonitor(const std::string& environment, const std::string& name) = 0;
    virtual Outcome<std::string> driverDirectory(const std::string& environment) = 0;
    // kErrorProcNotFound where the spooler cannot name it (before Windows 2000).
    virtual Outcome<std::string> defaultPrinter() = 0;
};

}  // namespace zrt::un
