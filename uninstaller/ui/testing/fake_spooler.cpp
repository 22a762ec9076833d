#include "uninstaller/ui/testing/fake_spooler.h"

#include <algorithm>

namespace zrt::un::testing {
namespace {

bool sameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto up = [](char c) {
                   return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
               };
               return up(x) == up(y);
           });
}

}  // namespace

PrinterInfo2& FakeSpooler::addPrinter(const std::string& name, const std::string& driver,
                                      const std::string& port, std::uint32_t attributes) {
    PrinterInfo2 printer;
    printer.printerName = name;
    printer.driverName = driver;
    printer.portName = port;
    printer.attributes = attributes;
    printers.push_back(printer);
    return printers.back();
}

DriverInfo3& FakeSpooler::addDriver(const std::string& name, const std::string& driverPath,
                                    const std::string& environment) {
    DriverInfo3 driver;
    driver.version = 3;
    driver.name = name;
    driver.environment = environment.empty() ? currentEnvironment : environment;
    driver.driverPath = driverPath;
    auto& list = drivers[environmentKey(environment)];
    list.push_back(driver);
    return list.back();
}

std::string FakeSpooler::environmentKey(const std::string& environment) const {
    return environment.empty() ? currentEnvironment : environment;
}

template <class T>
bool FakeSpooler::listFailed(const char* call, SpoolerList<T>& list) {
    ++calls_[call];
    const auto it = listFailures_.find(call);
    if (it == listFailures_.end()) {
        return false;
    }
    list.error = it->second.error;
    list.failedAt = it->second.stage;
    return true;
}

SpoolerList<PrinterInfo2> FakeSpooler::enumPrinters(std::uint32_t) {
    SpoolerList<PrinterInfo2> list;
    if (!listFailed("enumPrinters", list)) {
        list.items = printers;
    }
    return list;
}

SpoolerList<DriverInfo3> FakeSpooler::enumDrivers(const std::string& environment) {
    SpoolerList<DriverInfo3> list;
    if (!listFailed("enumDrivers", list)) {
        const auto it = drivers.find(environmentKey(environment));
        if (it != drivers.end()) {
            list.items = it->second;
        }
    }
    return list;
}

SpoolerList<MonitorInfo2> FakeSpooler::enumMonitors() {
    SpoolerList<MonitorInfo2> list;
    listFailed("enumMonitors", list);
    return list;
}

Outcome<OwnedHandle> FakeSpooler::openPrinter(const std::string& name, bool) {
    ++calls_["openPrinter"];
    for (const PrinterInfo2& printer : printers) {
        if (sameNoCase(printer.printerName, name)) {
            const RawHandle handle = nextHandle_++;
            handles_[handle] = printer.printerName;
            ++openHandles_;
            return OwnedHandle(*this, handle);
        }
    }
    return failed<OwnedHandle>(kErrorInvalidPrinterName);
}

void FakeSpooler::closeHandle(RawHandle handle) noexcept {
    if (handles_.erase(handle) != 0) {
        --openHandles_;
    }
}

const PrinterInfo2* FakeSpooler::printerOf(const OwnedHandle& handle) const {
    const auto it = handles_.find(handle.get());
    if (it == handles_.end()) {
        return nullptr;
    }
    for (const PrinterInfo2& printer : printers) {
        if (sameNoCase(printer.printerName, it->second)) {
            return &printer;
        }
    }
    return nullptr;
}

Outcome<PrinterInfo2> FakeSpooler::printerInfo(const OwnedHandle& handle) {
    const PrinterInfo2* printer = printerOf(handle);
    return printer != nullptr ? Outcome<PrinterInfo2>(*printer)
                              : failed<PrinterInfo2>(kErrorInvalidHandle);
}

Outcome<DriverInfo3> FakeSpooler::printerDriver(const OwnedHandle& handle,
                                                const std::string& environment) {
    const PrinterInfo2* printer = printerOf(handle);
    if (printer == nullptr) {
        return failed<DriverInfo3>(kErrorInvalidHandle);
    }
    const auto it = drivers.find(environmentKey(environment));
    if (it != drivers.end()) {
        for (const DriverInfo3& driver : it->second) {
            if (sameNoCase(driver.name, printer->driverName)) {
                return driver;
            }
        }
    }
    return failed<DriverInfo3>(kErrorUnknownPrinterDriver);
}

Outcome<std::uint32_t> FakeSpooler::jobCount(const OwnedHandle& handle) {
    const PrinterInfo2* printer = printerOf(handle);
    return printer != nullptr ? Outcome<std::uint32_t>(printer->jobs)
                              : failed<std::uint32_t>(kErrorInvalidHandle);
}

WinError FakeSpooler::deletePrinter(const OwnedHandle& handle) {
    const PrinterInfo2* printer = printerOf(handle);
    if (printer == nullptr) {
        return kErrorInvalidHandle;
    }
    const std::string name = printer->printerName;
    printers.erase(std::remove_if(printers.begin(), printers.end(),
                                  [&name](const PrinterInfo2& p) { return p.printerName == name; }),
                   printers.end());
    return kErrorSuccess;
}

WinError FakeSpooler::deletePrinterConnection(const std::string& name) {
    const auto before = printers.size();
    printers.erase(std::remove_if(printers.begin(), printers.end(),
                                  [&name](const PrinterInfo2& p) {
                                      return sameNoCase(p.printerName, name);
                                  }),
                   printers.end());
    return printers.size() != before ? kErrorSuccess : kErrorInvalidPrinterName;
}

WinError FakeSpooler::deletePrinterDriver(const std::string& environment,
                                          const std::string& driverName) {
    auto& list = drivers[environmentKey(environment)];
    const auto before = list.size();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&driverName](const DriverInfo3& d) {
                                  return sameNoCase(d.name, driverName);
                              }),
               list.end());
    return list.size() != before ? kErrorSuccess : kErrorUnknownPrinterDriver;
}

WinError FakeSpooler::deletePrinterDriverEx(const std::string& environment,
                                            const std::string& driverName, std::uint32_t,
                                            std::uint32_t) {
    return deletePrinterDriver(environment, driverName);
}

WinError FakeSpooler::deleteMonitor(const std::string&, const std::string&) {
    return kErrorSuccess;
}

Outcome<std::string> FakeSpooler::driverDirectory(const std::string& environment) {
    return std::string("C:\\WINDOWS\\system32\\spool\\DRIVERS\\") +
           (environmentKey(environment) == "Windows 4.0" ? "WIN40" : "W32X86");
}

Outcome<std::string> FakeSpooler::defaultPrinter() {
    ++calls_["defaultPrinter"];
    if (!defaultPrinterName) {
        return failed<std::string>(kErrorFileNotFound);
    }
    return *defaultPrinterName;
}

}  // namespace zrt::un::testing
