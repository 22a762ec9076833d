// A program started as a separate process for a test: its exit code within a deadline and its
// first dialog window. A process still running when the object goes is ended.
#pragma once

#include <windows.h>

#include <string>

namespace zrt::testing {

inline constexpr DWORD kChildTimeoutMs = 20000;

class ChildProcess {
public:
    ChildProcess(const std::string& exe, const std::string& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return started_; }
    // The exit code, or -1 when the program did not end in time.
    int wait(DWORD timeoutMs = kChildTimeoutMs);
    // The first visible top-level dialog window of the process, waiting for it to appear;
    // nullptr when none appeared in time.
    HWND waitForDialog(DWORD timeoutMs = kChildTimeoutMs) const;

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

}  // namespace zrt::testing
