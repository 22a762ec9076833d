// The spooler in memory, for native tests of the printer list: printers and connections,
// drivers per environment, the default printer, a failure switch per call and a count of open
// printer handles. (To be merged into the fake machine.)
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "uninstaller/frame/system/spooler.h"

namespace zrt::un::testing {

class FakeSpooler final : public Spooler, private HandleCloser {
public:
    std::vector<PrinterInfo2> printers;
    // By environment name; "" stands for the current environment.
    std::map<std::string, std::vector<DriverInfo3>> drivers;
    std::optional<std::string> defaultPrinterName;
    std::string currentEnvironment = "Windows NT x86";

    // Makes a list call fail at that stage ("enumPrinters", "enumDrivers").
    void failList(const std::string& call, WinError error, ListStage stage) {
        listFailures_[call] = {error, stage};
    }
    int openHandles() const { return openHandles_; }
    int calls(const std::string& call) const {
        const auto it = calls_.find(call);
        return it == calls_.end() ? 0 : it->second;
    }

    // Adds a printer whose driver is `driver`, on `port`.
    PrinterInfo2& addPrinter(const std::string& name, const std::string& driver,
                             const std::string& port = "LPT1:", std::uint32_t attributes = 0);
    DriverInfo3& addDriver(const std::string& name, const std::string& driverPath,
                           const std::string& environment = "");

    SpoolerList<PrinterInfo2> enumPrinters(std::uint32_t flags) override;
    SpoolerList<DriverInfo3> enumDrivers(const std::string& environment) override;
    SpoolerList<MonitorInfo2> enumMonitors() override;
    Outcome<OwnedHandle> openPrinter(const std::string& name, bool administer) override;
    Outcome<PrinterInfo2> printerInfo(const OwnedHandle& printer) override;
    Outcome<DriverInfo3> printerDriver(const OwnedHandle& printer,
                                       const std::string& environment) override;
    Outcome<std::uint32_t> jobCount(const OwnedHandle& printer) override;
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
    struct ListFailure {
        WinError error;
        ListStage stage;
    };
    void closeHandle(RawHandle handle) noexcept override;
    const PrinterInfo2* printerOf(const OwnedHandle& handle) const;
    std::string environmentKey(const std::string& environment) const;
    template <class T>
    bool listFailed(const char* call, SpoolerList<T>& list);

    std::map<std::string, ListFailure> listFailures_;
    std::map<std::string, int> calls_;
    std::map<RawHandle, std::string> handles_;
    RawHandle nextHandle_ = 0x500;
    int openHandles_ = 0;
};

}  // namespace zrt::un::testing
