// Stand-ins for what later subsystems supply to the frame: the companion services and the
// printer-list dialog, each recording how the frame used it.
#pragma once

#include <string>
#include <vector>

#include "uninstaller/frame/companion_services.h"
#include "uninstaller/frame/printer_list_window.h"

namespace zrt::un::testing {

class FakeCompanions : public CompanionServices {
public:
    int controlOrvixSuiteService(ServiceAction action) override;
    int controlKtmService(ServiceAction action) override;
    std::vector<std::string> recordSpoolerDependents() override { return dependents; }

    int suiteResult = 1;
    int ktmResult = 1;
    std::vector<std::string> dependents;
    std::vector<std::string> calls;  // "suite stop", "ktm stop", ...
};

// What happened to the printer-list dialogs the frame made.
struct PrinterListRecord {
    int made = 0;
    bool modal = false;
    bool hidden = false;
    std::vector<int> commands;
    int destroyed = 0;
};

class FakePrinterLists : public PrinterListFactory {
public:
    std::unique_ptr<PrinterListWindow> make(UninstallerApp& app) override;

    int items = 1;             // rows the list shows
    bool creationFails = false;
    PrinterListRecord record;
};

}  // namespace zrt::un::testing
