// The two libraries the status window binds by file name and entry-point names at start-up:
// the presentation library ZRT7QPMU.DLL and the status-monitor library ZRT7QSMK.DLL.
#pragma once

#include <windows.h>

#include <optional>

#include "presentation/psm_interface.h"
#include "statuswindow/shell/handles.h"
#include "statuswindow/status_monitor_api.h"

namespace zrt::statuswindow::shell {

struct PresentationLibrary {
    Module module;
    psm::GetPSWInfoFn getPSWInfo = nullptr;
    psm::GetPSWDisplayFn getPSWDisplay = nullptr;
    psm::PrinterSpecificProcFn printerSpecificProc = nullptr;  // resolved, never called
    psm::CreateToolbarFn createToolbar = nullptr;
    psm::CreateToolbarFn createToolbar2 = nullptr;
    psm::GetMenuHelpTextFn getMenuHelpText = nullptr;
    psm::GetToolTipTextFn getToolTipText = nullptr;
    psm::GetFileNameFn getFileName = nullptr;
};

// Every entry point is checked before each call: shutdown forgets them.
struct MonitorLibrary {
    Module module;
    monitor::OpenPrinterFn openPrinter = nullptr;
    monitor::ClosePrinterFn closePrinter = nullptr;
    monitor::GetPrinterStatusFn getPrinterStatus = nullptr;
    monitor::JobRequestFn jobRequest = nullptr;
    monitor::DeviceRequestFn deviceRequest = nullptr;
    monitor::ChangePrinterNameFn changePrinterName = nullptr;
    monitor::StartPollingFn startPolling = nullptr;
    monitor::StopPollingFn stopPolling = nullptr;

    bool loaded() const noexcept { return static_cast<bool>(module); }
    void forget() noexcept;
};

struct BoundLibraries {
    PresentationLibrary presentation;
    MonitorLibrary monitor;
};

// Loads both libraries; std::nullopt (with nothing left loaded) when a file or a name is missing.
std::optional<BoundLibraries> bindLibraries();

}  // namespace zrt::statuswindow::shell
