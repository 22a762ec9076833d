// The printer list's logic: initialisation, the rows, the button states, the refresh around a
// run and the finish step, over the dialog's controls (ListControls).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "uninstaller/frame/command_line_options.h"
#include "uninstaller/frame/companion_services.h"
#include "uninstaller/frame/product_file_names.h"
#include "uninstaller/frame/session.h"
#include "uninstaller/frame/system/machine.h"
#include "uninstaller/frame/uninstall_config.h"
#include "uninstaller/ui/printer_list/driver_qualification.h"
#include "uninstaller/ui/printer_list/list_controls.h"

namespace zrt::un {

class UninstallerApp;

// Restarts the services that depended on the spooler (done through "net start").
class SpoolerDependentsRestart {
public:
    virtual ~SpoolerDependentsRestart() = default;
    virtual void restart(const std::vector<std::string>& dependents) = 0;
};

// Everything of the run the list reads: the application object's state, by reference.
struct PrinterListContext {
    Machine& machine;
    Session& session;
    const UninstallConfig& config;
    const CommandLineOptions& options;
    const ProductFileNames& names;
    const std::string& tempFolder;
    CompanionServices& companions;
    const bool& spoolerStopped;
    const std::vector<std::string>& spoolerDependents;
    SpoolerDependentsRestart& dependentsRestart;
};

PrinterListContext printerListContext(UninstallerApp& app, SpoolerDependentsRestart& restart);

class PrinterList {
public:
    PrinterList(PrinterListContext context, ListControls& controls);
    ~PrinterList();
    PrinterList(const PrinterList&) = delete;
    PrinterList& operator=(const PrinterList&) = delete;

    // Dialog initialisation after the icon: the driver arrays, columns, rows, buttons.
    void initialise();
    // WM_USER + 1: the initial focus and button state.
    void initialFocus();
    void updateDeleteButton();
    void selectAll();

    // Rebuilds the rows; false only when the printers cannot be enumerated.
    bool buildList();
    // Around a run: (false, false) before it; (true, false) after a removal run and
    // (true, true) after a clean-up run.
    void refreshAfterRun(bool enable, bool afterCleanup);
    // Once, when the program leaves the dialog.
    void finish();

    // For the runs.
    ListControls& controls() { return controls_; }
    PrinterListContext& context() { return context_; }
    const std::vector<std::string>& configuredDrivers() const { return drivers_->configuredDrivers(); }
    int rowCount() { return controls_.rowCount(); }
    PrinterItem* item(int row) { return controls_.rowItem(row); }
    // Removes, with redrawing off, every row marked deleted, releasing its PrinterItem.
    void removeDeletedRows();
    bool listBuilt() const { return listBuilt_; }
    bool finished() const { return finished_; }

private:
    bool messageDebugOn() const;
    void releaseItems();
    void restoreFocusState();

    PrinterListContext context_;
    ListControls& controls_;
    std::unique_ptr<DriverQualifier> drivers_;
    std::vector<std::unique_ptr<PrinterItem>> items_;
    bool listBuilt_ = false;
    bool finished_ = false;
};

}  // namespace zrt::un
