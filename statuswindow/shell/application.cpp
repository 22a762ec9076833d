#include "statuswindow/shell/application.h"

#include <commctrl.h>

#include <vector>

#include "statuswindow/core/command_line.h"
#include "statuswindow/core/startup.h"
#include "statuswindow/shell/instance_mutex.h"
#include "statuswindow/shell/main_window.h"
#include "statuswindow/shell/settings_store.h"
#include "statuswindow/shell/spooler.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

constexpr DWORD kRelaunchWaitMs = 10000;
constexpr DWORD kRelaunchPollMs = 100;

HWND zOrderWindow(ZOrder z) {
    switch (z) {
        case ZOrder::Topmost: return HWND_TOPMOST;
        case ZOrder::Bottom: return HWND_BOTTOM;
        case ZOrder::NotTopmost: break;
    }
    return HWND_NOTOPMOST;
}

void runMessageLoop(HINSTANCE instance, HWND window) {
    const HACCEL accelerators = LoadAcceleratorsW(instance, L"MAINACCEL");
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (accelerators != nullptr && TranslateAcceleratorW(window, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

Text systemDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    const UINT n = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n == 0 || n >= buffer.size()) return {};
    return fromWideBounded(buffer.data(), n);
}

}  // namespace

void relaunch(TextView printerName, TextView portText, std::uint32_t launchMode, bool noActivate) {
    std::wstring line = toWide(relaunchCommandLine(systemDirectory(), printerName, portText, launchMode));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(noActivate ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP, nullptr, nullptr,
                        &startup, &process))
        return;
    const KernelHandle processHandle(process.hProcess);
    const KernelHandle threadHandle(process.hThread);
    const std::wstring title = toWide(printerName);
    for (DWORD waited = 0; waited < kRelaunchWaitMs; waited += kRelaunchPollMs) {
        if (FindWindowW(kMainWindowClass, title.c_str()) != nullptr) return;
        Sleep(kRelaunchPollMs);
    }
}

int runStatusWindow(HINSTANCE instance, TextView commandLine) {
    // 1. Command line.
    CommandLineScan scan = scanCommandLine(commandLine);
    const StartDecision decision = decideStart(scan);
    if (decision == StartDecision::Exit) return 0;
    if (decision == StartDecision::DerivePortAndStart)
        scan.portText = derivePortTextFromSpooler(nullptr, scan.printerName).value_or(Text());

    // 2. One copy per printer.
    InstanceMutex mutex;
    if (!mutex.take(scan.printerName)) return 0;

    // 4. - 7. The printer, the no-activate mode, the family check.
    PrinterHandle spooler = openPrinter(scan.printerName);
    if (!spooler) return 0;
    const SettingsStore store(scan.printerName);
    const bool noActivate = store.read(setting::kSetFocus, 0) == 0;
    const std::optional<DriverInfo3> driver = readDriverInfo3(spooler.get());
    if (!driver || !passesFamilyCheck(*driver)) return 0;
    store.write(setting::kIsQuitDuringPrinting, 0);

    // 8. Common controls, libraries, classes, main window.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    std::optional<BoundLibraries> libraries = bindLibraries();
    if (!libraries || !MainWindow::registerClasses(instance)) return 1;
    StartParameters start{scan.printerName, scan.portText, scan.launchMode, noActivate, spooler.get(), &mutex};
    std::unique_ptr<MainWindow> window = MainWindow::create(instance, std::move(*libraries), std::move(start));
    if (!window) return 1;
    const HWND hwnd = window->hwnd();
    WindowCore& core = window->core();

    // 9. - 12. Commands, z-order, first show, user-touched flag.
    window->refreshJobCommands(true);
    const StartSettings settings{scan.launchMode, window->alwaysOnTop(), store.read(setting::kShowing, 0) != 0, noActivate};
    SetWindowPos(hwnd, zOrderWindow(initialZOrder(settings)), 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    switch (initialShow(settings)) {
        case InitialShow::ShowAndForeground:
            ShowWindow(hwnd, SW_SHOW);
            SetForegroundWindow(hwnd);
            break;
        case InitialShow::Hide: ShowWindow(hwnd, SW_HIDE); break;
        case InitialShow::ShowNoActivate: ShowWindow(hwnd, SW_SHOWNA); break;
    }
    core.state().userTouched = startsUserTouched(scan.launchMode);

    // 13. - 16. The status-monitor session, first status, first show request, message loop.
    if (!window->openMonitor()) {
        SendMessageW(hwnd, message::kQuit, 0, 0);
    } else {
        core.requestFirstStatus();
        window->jobRequest(job_request::kBeforeFirstShow, window->sessionId());
        SendMessageW(hwnd, message::kShow, 0, 0);
        window->jobRequest(job_request::kSession, window->sessionId());
        runMessageLoop(instance, hwnd);
    }

    // 17. Clean-up and, after a port change, the new copy.
    const bool again = core.state().relaunch;
    const Text printerName = core.state().printerName;
    const Text portText = core.state().portText;
    const std::uint32_t launchMode = core.state().launchMode;
    window.reset();
    spooler.reset();
    mutex.release();
    if (again) relaunch(printerName, portText, launchMode, noActivate);
    return 0;
}

}  // namespace zrt::statuswindow::shell
