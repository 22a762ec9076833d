#include "uninstaller/ui/printer_list/printer_list_runs.h"

#include "uninstaller/ui/printer_list/list_ids.h"

namespace zrt::un {

void ListOnlyRuns::RunRemoval(PrinterList& list, RunUi& ui) {
    if (list.rowCount() == 0) {
        RunCleanup(list, ui);
        return;
    }
    list.refreshAfterRun(false, false);
    ui.showWaitCursor(true);
    list.removeDeletedRows();
    list.refreshAfterRun(true, false);
    ui.showWaitCursor(false);
}

void ListOnlyRuns::RunCleanup(PrinterList& list, RunUi& ui) {
    ui.showWaitCursor(true);
    list.refreshAfterRun(false, true);
    list.removeDeletedRows();
    list.refreshAfterRun(true, true);
    list.controls().enable(kCommandDelete, false);
    ui.showWaitCursor(false);
}

}  // namespace zrt::un
