#include "tools/statuswindow_shots/live_run.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "testbed/status_window_process/status_window_process.h"
#include "tools/statuswindow_shots/shot_capture.h"

namespace zrt::tools::shots {

namespace {

using OpenPrinter2 = BOOL(WINAPI*)(LPCWSTR, DWORD, HANDLE*);
using InvokePsw = BOOL(WINAPI*)(HANDLE, LPCWSTR, DWORD, DWORD);
using ClosePrinter2 = BOOL(WINAPI*)(HANDLE);

class Library {
public:
    explicit Library(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}
    ~Library() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    template <typename F>
    F entry(const char* name) const {
        return module_ == nullptr ? nullptr : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// The launcher's way in: a session without a window, asked to open the printer's window.
bool invokeStatusWindow(const Library& standIn, const std::wstring& printer) {
    const auto open = standIn.entry<OpenPrinter2>("SmPsw_OpenPrinter2");
    const auto invoke = standIn.entry<InvokePsw>("SmPsw_InvokePSW");
    const auto close = standIn.entry<ClosePrinter2>("SmPsw_ClosePrinter2");
    if (open == nullptr || invoke == nullptr || close == nullptr) return false;
    HANDLE session = nullptr;
    if (!open(printer.c_str(), 0, &session)) return false;
    const bool ok = invoke(session, printer.c_str(), 0, 0) != FALSE;
    close(session);
    return ok;
}

HWND waitForWindow(const std::wstring& printer, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (const HWND w = testbed::findStatusWindow(printer)) return w;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

int runLive(const LiveRun& run) {
    const Library standIn(testbed::ownFolder() + L"\\ZRT7QSMK.DLL");
    testbed::setEnvironment(L"ZRT7QSMK_SCENARIO", run.scenario);
    testbed::setEnvironment(L"ZRT7QSMK_LOG", run.callLog);
    if (!invokeStatusWindow(standIn, run.printer)) {
        std::fwprintf(stderr, L"SmPsw_InvokePSW did not start the status window\n");
        return 1;
    }
    const HWND window = waitForWindow(run.printer, 20000);
    const ULONGLONG begin = GetTickCount64();
    std::optional<testbed::StatusWindowProcess> program = testbed::StatusWindowProcess::adopt(window, run.printer);
    if (!program) {
        std::fwprintf(stderr, L"no status window of %ls appeared\n", run.printer.c_str());
        return 1;
    }
    int failed = 0;
    std::vector<TimedShot> shots = run.shots;
    std::sort(shots.begin(), shots.end(), [](const TimedShot& a, const TimedShot& b) { return a.atMs < b.atMs; });
    for (const TimedShot& shot : shots) {
        const ULONGLONG due = begin + shot.atMs;
        const ULONGLONG now = GetTickCount64();
        if (due > now) Sleep(static_cast<DWORD>(due - now));
        if (!IsWindow(window)) std::fwprintf(stderr, L"no picture %ls: the window has closed\n", shot.name.c_str());
        if (!IsWindow(window) || !takeShot(window, run.folder, shot.name)) ++failed;
    }
    if (program->waitExit(run.closeWaitMs)) {
        std::fwprintf(stdout, L"the status window closed itself %llu ms after it appeared\n", GetTickCount64() - begin);
    } else {
        std::fwprintf(stdout, L"the status window was still open %lu ms after the last picture; closed it with WM_PSW_QUIT\n",
                      run.closeWaitMs);
        program->quit();
    }
    testbed::setEnvironment(L"ZRT7QSMK_SCENARIO", L"");
    return failed;
}

}  // namespace zrt::tools::shots
