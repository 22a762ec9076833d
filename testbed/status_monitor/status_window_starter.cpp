#include "testbed/status_monitor/status_window_starter.h"

#include <winspool.h>

#include <vector>

#include "statuswindow/status_monitor_codes.h"
#include "testbed/status_monitor/standin_config.h"
#include "testbed/status_monitor/unique_handle.h"

namespace zrt::testbed {
namespace {

class UniquePrinter {
public:
    explicit UniquePrinter(HANDLE handle) : handle_(handle) {}
    ~UniquePrinter() {
        if (handle_ != nullptr) ClosePrinter(handle_);
    }
    UniquePrinter(const UniquePrinter&) = delete;
    UniquePrinter& operator=(const UniquePrinter&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

std::wstring modulePath(HMODULE module) {
    std::vector<wchar_t> buffer(MAX_PATH);
    while (true) {
        const DWORD length = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring folderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring systemDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    const UINT length = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return {};
    return std::wstring(buffer.data(), length);
}

std::wstring programPath(HMODULE self) {
    const std::wstring beside = folderOf(modulePath(self)) + monitor::kStatusWindowProgram;
    if (fileExists(beside)) return beside;
    return systemDirectory() + monitor::kInstalledProgramFolder + monitor::kStatusWindowProgram;
}

// Path without blanks where the file system offers a short name: the status window takes
// everything up to the first blank of its command line as the program path.
std::wstring pathForCommandLine(const std::wstring& path) {
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetShortPathNameW(path.c_str(), buffer.data(), needed);
    if (length == 0 || length >= needed) return path;
    return std::wstring(buffer.data(), length);
}

std::wstring spoolerPort(const std::wstring& printer) {
    HANDLE raw = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(printer.c_str()), &raw, nullptr)) return {};
    UniquePrinter handle(raw);
    DWORD needed = 0;
    GetPrinterW(handle.get(), 2, nullptr, 0, &needed);
    if (needed < sizeof(PRINTER_INFO_2W)) return {};
    std::vector<BYTE> buffer(needed);
    if (!GetPrinterW(handle.get(), 2, buffer.data(), needed, &needed)) return {};
    PRINTER_INFO_2W info;
    memcpy(&info, buffer.data(), sizeof info);
    return info.pPortName != nullptr ? std::wstring(info.pPortName) : std::wstring();
}

std::wstring portOf(const std::wstring& printer) {
    if (auto configured = setting(L"InvokePort")) return *configured;
    return spoolerPort(printer);
}

}  // namespace

InvokeOutcome startOrShowStatusWindow(HMODULE self, const std::wstring& printer, DWORD launchMode) {
    InvokeOutcome outcome;
    if (HWND window = FindWindowW(monitor::kStatusWindowClass, printer.c_str())) {
        outcome.shown = true;
        outcome.ok = PostMessageW(window, monitor::messages::kShow, launchMode, 0) != 0;
        return outcome;
    }
    const std::wstring program = programPath(self);
    const std::wstring port = portOf(printer);
    outcome.commandLine = pathForCommandLine(program) + L" !D" + printer;
    if (!port.empty()) outcome.commandLine += L" !P" + port;
    outcome.commandLine += L" !L" + std::to_wstring(launchMode);

    std::vector<wchar_t> commandLine(outcome.commandLine.begin(), outcome.commandLine.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup, &process)) {
        outcome.error = GetLastError();
        return outcome;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    outcome.ok = true;
    return outcome;
}

}  // namespace zrt::testbed
