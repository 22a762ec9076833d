#include "statuswindow/shell/libraries.h"

namespace zrt::statuswindow::shell {

namespace {

// GetProcAddress as the typed entry point; false when the name does not resolve.
template <typename Fn>
bool resolve(HMODULE module, const char* name, Fn& out) {
    const FARPROC proc = GetProcAddress(module, name);
    out = reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
    return proc != nullptr;
}

std::optional<PresentationLibrary> bindPresentation() {
    PresentationLibrary lib;
    lib.module.reset(LoadLibraryW(psm::kLibraryFileName));
    if (!lib.module) return std::nullopt;
    const HMODULE m = lib.module.get();
    const bool all = resolve(m, psm::kGetPSWInfo, lib.getPSWInfo) && resolve(m, psm::kGetPSWDisplay, lib.getPSWDisplay) &&
                     resolve(m, psm::kPrinterSpecificProc, lib.printerSpecificProc) &&
                     resolve(m, psm::kCreateToolbar, lib.createToolbar) &&
                     resolve(m, psm::kCreateToolbar2, lib.createToolbar2) &&
                     resolve(m, psm::kGetMenuHelpText, lib.getMenuHelpText) &&
                     resolve(m, psm::kGetToolTipText, lib.getToolTipText) &&
                     resolve(m, psm::kGetFileName, lib.getFileName);
    if (!all) return std::nullopt;  // the module is freed with lib
    return lib;
}

std::optional<MonitorLibrary> bindMonitor() {
    namespace ex = monitor::exports;
    MonitorLibrary lib;
    lib.module.reset(LoadLibraryW(monitor::kLibraryFileName));
    if (!lib.module) return std::nullopt;
    const HMODULE m = lib.module.get();
    const bool all = resolve(m, ex::kOpenPrinter, lib.openPrinter) && resolve(m, ex::kClosePrinter, lib.closePrinter) &&
                     resolve(m, ex::kGetPrinterStatus, lib.getPrinterStatus) &&
                     resolve(m, ex::kJobRequest, lib.jobRequest) && resolve(m, ex::kDeviceRequest, lib.deviceRequest) &&
                     resolve(m, ex::kChangePrinterName, lib.changePrinterName) &&
                     resolve(m, ex::kStartPolling, lib.startPolling) && resolve(m, ex::kStopPolling, lib.stopPolling);
    if (!all) return std::nullopt;
    return lib;
}

}  // namespace

void MonitorLibrary::forget() noexcept {
    openPrinter = nullptr;
    closePrinter = nullptr;
    getPrinterStatus = nullptr;
    jobRequest = nullptr;
    deviceRequest = nullptr;
    changePrinterName = nullptr;
    startPolling = nullptr;
    stopPolling = nullptr;
    module.reset();
}

std::optional<BoundLibraries> bindLibraries() {
    std::optional<PresentationLibrary> presentation = bindPresentation();
    if (!presentation) return std::nullopt;
    std::optional<MonitorLibrary> monitorLib = bindMonitor();
    if (!monitorLib) return std::nullopt;  // the presentation library is freed on return
    BoundLibraries bound;
    bound.presentation = std::move(*presentation);
    bound.monitor = std::move(*monitorLib);
    return bound;
}

}  // namespace zrt::statuswindow::shell
