#include "tests/support/win32/child_process.h"

namespace zrt::testing {

namespace {

constexpr DWORD kPollMs = 50;

struct DialogSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->process && std::string(className) == "#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& exe, const std::string& arguments) {
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info_) != FALSE;
}

ChildProcess::~ChildProcess() {
    if (!started_) {
        return;
    }
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

int ChildProcess::wait(DWORD timeoutMs) {
    if (!started_ || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

HWND ChildProcess::waitForDialog(DWORD timeoutMs) const {
    for (DWORD waited = 0; waited < timeoutMs; waited += kPollMs) {
        DialogSearch search{info_.dwProcessId, nullptr};
        EnumWindows(&matchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

}  // namespace zrt::testing
