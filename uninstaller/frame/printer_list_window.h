// The printer-list dialog as the start-up drives it: modal in interactive mode, hidden and
// commanded in silent mode. Command ids are those of its buttons.
#pragma once

#include <memory>

#include "uninstaller/frame/system/desktop.h"

namespace zrt::un {

inline constexpr int kCommandSelectAll = 1002;
inline constexpr int kCommandDelete = 1003;
inline constexpr int kCommandCleanup = 1005;
inline constexpr int kCommandClose = 2;
inline constexpr int kPrinterListTemplate = 102;
inline constexpr int kPrinterListView = 1000;

class PrinterListWindow {
public:
    virtual ~PrinterListWindow() = default;
    virtual void runModal() = 0;
    // Creates the dialog without owner and without showing it; false when that fails.
    virtual bool createHidden() = 0;
    virtual WindowRef window() const = 0;
    virtual int itemCount() = 0;
    // Sends the command synchronously.
    virtual void sendCommand(int id) = 0;
    // Sends the destroy notification (the finish step runs once), then destroys the dialog.
    virtual void destroy() = 0;
};

class UninstallerApp;

class PrinterListFactory {
public:
    virtual ~PrinterListFactory() = default;
    virtual std::unique_ptr<PrinterListWindow> make(UninstallerApp& app) = 0;
};

}  // namespace zrt::un
