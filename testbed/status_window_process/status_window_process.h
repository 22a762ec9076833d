// A ZRT7QSWK.EXE process started the way the status-monitor library starts it
// ("!D<printer> !P<port> !L<mode>"), with the stand-in's scenario and call log chosen through
// the environment it inherits, and its main window as other programs see it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace zrt::testbed {

inline constexpr wchar_t kStatusWindowProgram[] = L"ZRT7QSWK.EXE";
inline constexpr wchar_t kStatusWindowClassName[] = L"PSWC1WindowClass";
inline constexpr UINT kPswQuit = WM_USER + 3;

struct StatusWindowStart {
    std::wstring folder;       // holds ZRT7QSWK.EXE, ZRT7QPMU.DLL and ZRT7QSMK.DLL
    std::wstring printer;
    std::wstring port = L"FILE:";
    unsigned launchMode = 1;   // 1: opened at the user's request (shown, never closes itself)
    std::wstring scenario;     // ZRT7QSMK_SCENARIO for the program; empty: none
    std::wstring callLog;      // ZRT7QSMK_LOG for the program; empty: none
};

// The folder of the running program, without the trailing backslash.
std::wstring ownFolder();
// The main window of the printer's status window (any process), or null.
HWND findStatusWindow(const std::wstring& printer);
// Sets (or with an empty value removes) a variable of this process's environment, which
// programs started afterwards inherit.
void setEnvironment(const wchar_t* name, const std::wstring& value);

class StatusWindowProcess {
public:
    static std::optional<StatusWindowProcess> start(const StatusWindowStart& how);
    // Adopts the process that owns an existing window (for a window another program started).
    static std::optional<StatusWindowProcess> adopt(HWND window, const std::wstring& printer);
    StatusWindowProcess(StatusWindowProcess&& other) noexcept;
    StatusWindowProcess& operator=(StatusWindowProcess&&) = delete;
    StatusWindowProcess(const StatusWindowProcess&) = delete;
    StatusWindowProcess& operator=(const StatusWindowProcess&) = delete;
    // Closes the window (quit) when still running.
    ~StatusWindowProcess();

    // The main window once it exists; null after timeoutMs.
    HWND waitForWindow(DWORD timeoutMs);
    // True once the main window is visible.
    bool waitVisible(DWORD timeoutMs);
    // True when the process ended within timeoutMs.
    bool waitExit(DWORD timeoutMs);
    // WM_PSW_QUIT, as the status-monitor library closes the window, then waits for the end;
    // a process that does not end in time is terminated (false then).
    bool quit(DWORD timeoutMs = 15000);
    bool running() const;
    HANDLE process() const { return process_; }
    HWND window() const { return window_; }
    const std::wstring& commandLine() const { return commandLine_; }

private:
    StatusWindowProcess(HANDLE process, std::wstring printer, std::wstring commandLine);
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
    std::wstring printer_;
    std::wstring commandLine_;
};

}  // namespace zrt::testbed
