#include "uninstaller/frame/win32/win32_spooler.h"

#include <windows.h>
#include <winspool.h>

#include <new>
#include <vector>

#include "uninstaller/frame/win32/win32_handles.h"

namespace zrt::un::win32 {
namespace {

// Extra room beyond the size the spooler asks for.
constexpr DWORD kListSlack = 256;

HANDLE printerHandle(const OwnedHandle& printer) {
    return reinterpret_cast<HANDLE>(printer.get());
}

// An environment name for the spooler: null for the current one.
char* environmentArg(std::string& environment) {
    return environment.empty() ? nullptr : environment.data();
}

// A spooler buffer: aligned, with the returned size, and bounds for the strings in it.
class SpoolerBuffer {
public:
    bool allocate(DWORD bytes) {
        try {
            storage_.assign(bytes / sizeof(std::uint64_t) + 1, 0);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
    BYTE* data() { return reinterpret_cast<BYTE*>(storage_.data()); }
    DWORD size() const { return static_cast<DWORD>(storage_.size() * sizeof(std::uint64_t)); }
    // The string at `text` when it lies inside the buffer (up to its end), else empty.
    std::string text(const char* text) const {
        const char* begin = reinterpret_cast<const char*>(storage_.data());
        const char* end = begin + storage_.size() * sizeof(std::uint64_t);
        if (text == nullptr || text < begin || text >= end) {
            return {};
        }
        const char* stop = text;
        while (stop < end && *stop != '\0') {
            ++stop;
        }
        return std::string(text, static_cast<std::size_t>(stop - text));
    }
    // A double-zero-terminated list, read only as far as it lies inside the buffer.
    std::vector<std::string> list(const char* first) const {
        std::vector<std::string> items;
        const char* end = reinterpret_cast<const char*>(storage_.data()) +
                          storage_.size() * sizeof(std::uint64_t);
        for (const char* item = first; item != nullptr && item < end && *item != '\0';) {
            items.push_back(text(item));
            item += items.back().size() + 1;
        }
        return items;
    }

private:
    std::vector<std::uint64_t> storage_;
};

// Sizes, allocates and reads a list by the two calls of `call(buffer, size, needed, count)`.
template <class T, class Call, class Convert>
SpoolerList<T> readList(Call call, Convert convert) {
    DWORD needed = 0;
    DWORD count = 0;
    if (call(nullptr, 0, &needed, &count)) {
        return {};  // nothing there
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return SpoolerList<T>::failure(ListStage::Sizing, GetLastError());
    }
    SpoolerBuffer buffer;
    if (!buffer.allocate(needed + kListSlack)) {
        return SpoolerList<T>::failure(ListStage::Allocating, ERROR_NOT_ENOUGH_MEMORY);
    }
    if (!call(buffer.data(), buffer.size(), &needed, &count)) {
        return SpoolerList<T>::failure(ListStage::Reading, GetLastError());
    }
    SpoolerList<T> list;
    convert(buffer, count, list.items);
    return list;
}

template <class Info>
const Info* records(SpoolerBuffer& buffer, DWORD count) {
    // Divided, not multiplied: a huge count must not wrap around on the 32-bit build.
    return count <= buffer.size() / sizeof(Info) ? reinterpret_cast<const Info*>(buffer.data())
                                                 : nullptr;
}

PrinterInfo2 printerFrom(const SpoolerBuffer& b, const PRINTER_INFO_2A& p) {
    return {b.text(p.pServerName), b.text(p.pPrinterName), b.text(p.pShareName),
            b.text(p.pPortName),   b.text(p.pDriverName),  p.Attributes,
            p.Status,              p.cJobs};
}

DriverInfo3 driverFrom(const SpoolerBuffer& b, const DRIVER_INFO_3A& d) {
    return {d.cVersion,           b.text(d.pName),        b.text(d.pEnvironment),
            b.text(d.pDriverPath), b.text(d.pDataFile),   b.text(d.pConfigFile),
            b.text(d.pHelpFile),   b.list(d.pDependentFiles), b.text(d.pMonitorName),
            b.text(d.pDefaultDataType)};
}

// Reads one level of an open printer's information into a buffer.
template <class Call>
WinError readInfo(SpoolerBuffer& buffer, Call call) {
    DWORD needed = 0;
    if (!call(nullptr, 0, &needed) && GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return GetLastError();
    }
    if (!buffer.allocate(needed + kListSlack)) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    return call(buffer.data(), buffer.size(), &needed) ? ERROR_SUCCESS : GetLastError();
}

WinError lastErrorUnless(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

}  // namespace

void Win32Spooler::closeHandle(RawHandle handle) noexcept {
    ClosePrinter(reinterpret_cast<HANDLE>(handle));
}

SpoolerList<PrinterInfo2> Win32Spooler::enumPrinters(std::uint32_t flags) {
    return readList<PrinterInfo2>(
        [flags](BYTE* data, DWORD size, DWORD* needed, DWORD* count) {
            return EnumPrintersA(flags, nullptr, 2, data, size, needed, count);
        },
        [](SpoolerBuffer& buffer, DWORD count, std::vector<PrinterInfo2>& out) {
            if (const auto* p = records<PRINTER_INFO_2A>(buffer, count)) {
                for (DWORD i = 0; i < count; ++i) {
                    out.push_back(printerFrom(buffer, p[i]));
                }
            }
        });
}

SpoolerList<DriverInfo3> Win32Spooler::enumDrivers(const std::string& environment) {
    std::string env = environment;
    return readList<DriverInfo3>(
        [&env](BYTE* data, DWORD size, DWORD* needed, DWORD* count) {
            return EnumPrinterDriversA(nullptr, environmentArg(env), 3, data, size, needed, count);
        },
        [](SpoolerBuffer& buffer, DWORD count, std::vector<DriverInfo3>& out) {
            if (const auto* d = records<DRIVER_INFO_3A>(buffer, count)) {
                for (DWORD i = 0; i < count; ++i) {
                    out.push_back(driverFrom(buffer, d[i]));
                }
            }
        });
}

SpoolerList<MonitorInfo2> Win32Spooler::enumMonitors() {
    return readList<MonitorInfo2>(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* count) {
            return EnumMonitorsA(nullptr, 2, data, size, needed, count);
        },
        [](SpoolerBuffer& buffer, DWORD count, std::vector<MonitorInfo2>& out) {
            if (const auto* m = records<MONITOR_INFO_2A>(buffer, count)) {
                for (DWORD i = 0; i < count; ++i) {
                    out.push_back({buffer.text(m[i].pName), buffer.text(m[i].pEnvironment),
                                   buffer.text(m[i].pDLLName)});
                }
            }
        });
}

Outcome<OwnedHandle> Win32Spooler::openPrinter(const std::string& name, bool fullAccess) {
    std::string printerName = name;
    PRINTER_DEFAULTSA defaults{nullptr, nullptr,
                               static_cast<ACCESS_MASK>(fullAccess ? PRINTER_ALL_ACCESS
                                                                   : PRINTER_ACCESS_USE)};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(printerName.data(), &printer, &defaults) || printer == nullptr) {
        return failed<OwnedHandle>(GetLastError());
    }
    return OwnedHandle(*this, reinterpret_cast<RawHandle>(printer));
}

Outcome<PrinterInfo2> Win32Spooler::printerInfo(const OwnedHandle& printer) {
    SpoolerBuffer buffer;
    const WinError error = readInfo(buffer, [&printer](BYTE* data, DWORD size, DWORD* needed) {
        return GetPrinterA(printerHandle(printer), 2, data, size, needed);
    });
    if (error != ERROR_SUCCESS) {
        return failed<PrinterInfo2>(error);
    }
    return printerFrom(buffer, *reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data()));
}

Outcome<std::uint32_t> Win32Spooler::printerAttributes(const OwnedHandle& printer) {
    SpoolerBuffer buffer;
    const WinError error = readInfo(buffer, [&printer](BYTE* data, DWORD size, DWORD* needed) {
        return GetPrinterA(printerHandle(printer), 5, data, size, needed);
    });
    if (error != ERROR_SUCCESS) {
        return failed<std::uint32_t>(error);
    }
    return reinterpret_cast<const PRINTER_INFO_5A*>(buffer.data())->Attributes;
}

WinError Win32Spooler::setPrinterAttributes(const OwnedHandle& printer, std::uint32_t value) {
    SpoolerBuffer buffer;
    const WinError error = readInfo(buffer, [&printer](BYTE* data, DWORD size, DWORD* needed) {
        return GetPrinterA(printerHandle(printer), 5, data, size, needed);
    });
    if (error != ERROR_SUCCESS) {
        return error;
    }
    auto* info = reinterpret_cast<PRINTER_INFO_5A*>(buffer.data());
    info->Attributes = value;
    return lastErrorUnless(SetPrinterA(printerHandle(printer), 5, buffer.data(), 0));
}

Outcome<DriverInfo3> Win32Spooler::printerDriver(const OwnedHandle& printer,
                                                 const std::string& environment) {
    std::string env = environment;
    SpoolerBuffer buffer;
    const WinError error =
        readInfo(buffer, [&printer, &env](BYTE* data, DWORD size, DWORD* needed) {
            return GetPrinterDriverA(printerHandle(printer), environmentArg(env), 3, data, size,
                                     needed);
        });
    if (error != ERROR_SUCCESS) {
        return failed<DriverInfo3>(error);
    }
    return driverFrom(buffer, *reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data()));
}

WinError Win32Spooler::deletePrinter(const OwnedHandle& printer) {
    return lastErrorUnless(DeletePrinter(printerHandle(printer)));
}

WinError Win32Spooler::deletePrinterConnection(const std::string& name) {
    std::string printerName = name;
    return lastErrorUnless(DeletePrinterConnectionA(printerName.data()));
}

WinError Win32Spooler::deletePrinterDriver(const std::string& environment,
                                           const std::string& driverName) {
    std::string env = environment;
    std::string name = driverName;
    return lastErrorUnless(DeletePrinterDriverA(nullptr, environmentArg(env), name.data()));
}

WinError Win32Spooler::deletePrinterDriverEx(const std::string& environment,
                                             const std::string& driverName,
                                             std::uint32_t deleteFlags, std::uint32_t version) {
    std::string env = environment;
    std::string name = driverName;
    return lastErrorUnless(
        DeletePrinterDriverExA(nullptr, environmentArg(env), name.data(), deleteFlags, version));
}

WinError Win32Spooler::deleteMonitor(const std::string& environment, const std::string& name) {
    std::string env = environment;
    std::string monitor = name;
    return lastErrorUnless(DeleteMonitorA(nullptr, environmentArg(env), monitor.data()));
}

Outcome<std::string> Win32Spooler::driverDirectory(const std::string& environment) {
    std::string env = environment;
    std::vector<BYTE> buffer(MAX_PATH * 2, 0);
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, environmentArg(env), 1, buffer.data(),
                                    static_cast<DWORD>(buffer.size()), &needed)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return failed<std::string>(GetLastError());
        }
        buffer.assign(needed + 1, 0);
        if (!GetPrinterDriverDirectoryA(nullptr, environmentArg(env), 1, buffer.data(),
                                        static_cast<DWORD>(buffer.size()), &needed)) {
            return failed<std::string>(GetLastError());
        }
    }
    buffer.back() = 0;
    return std::string(reinterpret_cast<const char*>(buffer.data()));
}

Outcome<std::string> Win32Spooler::defaultPrinter() {
    using GetDefaultPrinterFn = BOOL(WINAPI*)(LPSTR, LPDWORD);
    const Library winspool(LoadLibraryA("WINSPOOL.DRV"));
    const auto query = winspool.function<GetDefaultPrinterFn>("GetDefaultPrinterA");
    if (query == nullptr) {
        return failed<std::string>(ERROR_PROC_NOT_FOUND);
    }
    DWORD size = 0;
    if (!query(nullptr, &size) && GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return failed<std::string>(GetLastError());
    }
    std::vector<char> name(size + 1, '\0');
    size = static_cast<DWORD>(name.size());
    if (!query(name.data(), &size)) {
        return failed<std::string>(GetLastError());
    }
    name.back() = '\0';
    return std::string(name.data());
}

}  // namespace zrt::un::win32
