// The runs behind the list's Delete and Cleanup buttons. The removal subsystem supplies them;
// until it does, ListOnlyRuns does the part that concerns the list.
#pragma once

#include "uninstaller/ui/printer_list/printer_list.h"
#include "uninstaller/ui/progress/run_ui.h"

namespace zrt::un {

class PrinterListRuns {
public:
    virtual ~PrinterListRuns() = default;
    // The Delete command.
    virtual void RunRemoval(PrinterList& list, RunUi& ui) = 0;
    // The Cleanup command (and Delete with an empty list).
    virtual void RunCleanup(PrinterList& list, RunUi& ui) = 0;
};

// An empty list makes Delete the clean-up run; each run disables the buttons, and afterwards
// rebuilds the list and enables them again. Nothing is removed.
class ListOnlyRuns : public PrinterListRuns {
public:
    void RunRemoval(PrinterList& list, RunUi& ui) override;
    void RunCleanup(PrinterList& list, RunUi& ui) override;
};

}  // namespace zrt::un
