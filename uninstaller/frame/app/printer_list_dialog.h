// The printer-list dialog (template 102) as far as the frame drives it: the list control, the
// buttons' commands and the finish step on WM_DESTROY in silent mode. The list's rows and the
// runs behind the buttons come with the user-interface and removal subsystems.
#pragma once

#include "uninstaller/frame/printer_list_window.h"
#include "uninstaller/frame/uninstaller_app.h"
#include "uninstaller/frame/win32/dialog.h"
#include "uninstaller/frame/win32/list_view.h"

namespace zrt::un::win32 {

class PrinterListDialog final : public Dialog, public PrinterListWindow {
public:
    PrinterListDialog(HINSTANCE instance, UninstallerApp& app)
        : Dialog(instance, kPrinterListTemplate), app_(app) {}

    void runModal() override;
    bool createHidden() override;
    WindowRef window() const override;
    int itemCount() override { return list_.itemCount(); }
    void sendCommand(int id) override { Dialog::sendCommand(id); }
    void destroy() override;

    // Removes the configuration copy once; later the stopped services are restarted here too.
    void finish();

private:
    bool onInitDialog() override;
    bool onCommand(int id, int notification) override;
    void onDestroy() override;
    void updateDeleteButton();

    UninstallerApp& app_;
    ListView list_;
    bool finished_ = false;
};

class PrinterListDialogs final : public PrinterListFactory {
public:
    explicit PrinterListDialogs(HINSTANCE instance) : instance_(instance) {}
    std::unique_ptr<PrinterListWindow> make(UninstallerApp& app) override {
        return std::make_unique<PrinterListDialog>(instance_, app);
    }

private:
    HINSTANCE instance_;
};

}  // namespace zrt::un::win32
