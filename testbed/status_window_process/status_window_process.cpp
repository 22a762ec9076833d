#include "testbed/status_window_process/status_window_process.h"

#include <utility>

namespace zrt::testbed {

namespace {

constexpr DWORD kPollMs = 50;

}  // namespace

std::wstring ownFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return L".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

HWND findStatusWindow(const std::wstring& printer) { return FindWindowW(kStatusWindowClassName, printer.c_str()); }

void setEnvironment(const wchar_t* name, const std::wstring& value) {
    SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
}

std::optional<StatusWindowProcess> StatusWindowProcess::start(const StatusWindowStart& how) {
    setEnvironment(L"ZRT7QSMK_SCENARIO", how.scenario);
    setEnvironment(L"ZRT7QSMK_LOG", how.callLog);
    std::wstring line = L"\"" + how.folder + L"\\" + kStatusWindowProgram + L"\" !D" + how.printer;
    if (!how.port.empty()) line += L" !P" + how.port;
    line += L" !L" + std::to_wstring(how.launchMode);
    std::wstring mutableLine = line;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, how.folder.c_str(), &si, &pi))
        return std::nullopt;
    CloseHandle(pi.hThread);
    return StatusWindowProcess(pi.hProcess, how.printer, line);
}

std::optional<StatusWindowProcess> StatusWindowProcess::adopt(HWND window, const std::wstring& printer) {
    DWORD id = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &id) == 0) return std::nullopt;
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE, FALSE, id);
    if (process == nullptr) return std::nullopt;
    StatusWindowProcess adopted(process, printer, L"");
    adopted.window_ = window;
    return adopted;
}

StatusWindowProcess::StatusWindowProcess(HANDLE process, std::wstring printer, std::wstring commandLine)
    : process_(process), printer_(std::move(printer)), commandLine_(std::move(commandLine)) {}

StatusWindowProcess::StatusWindowProcess(StatusWindowProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      window_(std::exchange(other.window_, nullptr)),
      printer_(std::move(other.printer_)),
      commandLine_(std::move(other.commandLine_)) {}

StatusWindowProcess::~StatusWindowProcess() {
    if (process_ == nullptr) return;
    if (running()) quit();
    CloseHandle(process_);
}

bool StatusWindowProcess::running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND StatusWindowProcess::waitForWindow(DWORD timeoutMs) {
    for (DWORD waited = 0; window_ == nullptr && running(); waited += kPollMs) {
        window_ = findStatusWindow(printer_);
        if (window_ != nullptr || waited >= timeoutMs) break;
        Sleep(kPollMs);
    }
    return window_;
}

bool StatusWindowProcess::waitVisible(DWORD timeoutMs) {
    const ULONGLONG begin = GetTickCount64();
    if (waitForWindow(timeoutMs) == nullptr) return false;
    while (!IsWindowVisible(window_)) {
        if (GetTickCount64() - begin >= timeoutMs || !running()) return false;
        Sleep(kPollMs);
    }
    return true;
}

bool StatusWindowProcess::waitExit(DWORD timeoutMs) {
    return process_ != nullptr && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool StatusWindowProcess::quit(DWORD timeoutMs) {
    if (!running()) return true;
    const HWND w = window_ != nullptr ? window_ : findStatusWindow(printer_);
    if (w != nullptr) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(w, kPswQuit, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result);
    }
    if (waitExit(timeoutMs)) return true;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
    return false;
}

}  // namespace zrt::testbed
