#include "uninstaller/ui/printer_list/printer_list.h"

#include <algorithm>

#include "uninstaller/frame/system_queries.h"
#include "uninstaller/frame/uninstaller_app.h"
#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/printer_list/printer_rows.h"

namespace zrt::un {

PrinterListContext printerListContext(UninstallerApp& app, SpoolerDependentsRestart& restart) {
    return PrinterListContext{app.machine(),          app.session(),          app.config(),
                              app.options(),          app.productNames(),
                              app.tempFolder(),       app.companions(),
                              app.spoolerStopped(),   app.spoolerDependents(),
                              restart};
}

PrinterList::PrinterList(PrinterListContext context, ListControls& controls)
    : context_(context), controls_(controls) {}

PrinterList::~PrinterList() = default;

bool PrinterList::messageDebugOn() const { return context_.config.messageDebugUi == "1"; }

void PrinterList::initialise() {
    drivers_ = std::make_unique<DriverQualifier>(context_.config,
                                                 osCode(context_.machine.platform));
    controls_.createColumnsAndImages();
    listBuilt_ = buildList();

    const bool hasRows = controls_.rowCount() > 0;
    if (!hasRows) {
        controls_.enable(kCommandDelete, false);
    }
    controls_.enable(kCommandSelectAll, hasRows);
    controls_.focus(kCommandClose);

    const bool cleanupOffered = context_.config.uninstallLevel == "2";
    controls_.show(kCommandCleanup, cleanupOffered);
    controls_.enable(kCommandCleanup, cleanupOffered);

    controls_.postInitialFocus();

    const bool debugTools = messageDebugOn();
    for (const int id : {kMessageDebugButton, kProgressDebugButton}) {
        controls_.show(id, debugTools);
        controls_.enable(id, debugTools);
    }
}

void PrinterList::initialFocus() {
    if (controls_.rowCount() > 0) {
        controls_.enable(kCommandSelectAll, true);
        controls_.giveFocusState(0);
        controls_.focus(kPrinterListView);
        return;
    }
    controls_.focus(kCommandClose);
    controls_.enable(kCommandSelectAll, false);
    // An empty list still allows removing the drivers alone.
    controls_.enable(kCommandDelete, !messageDebugOn() && listBuilt_);
}

void PrinterList::updateDeleteButton() {
    if (controls_.selectedCount() > 0) {
        if (!messageDebugOn()) {
            controls_.enable(kCommandDelete, true);
        }
    } else if (controls_.rowCount() > 0) {
        controls_.enable(kCommandDelete, false);
    }
}

void PrinterList::selectAll() {
    controls_.selectAll();
    updateDeleteButton();
}

void PrinterList::releaseItems() {
    controls_.deleteAllRows();  // no row may point at a released item
    items_.clear();
}

bool PrinterList::buildList() {
    if (!drivers_) {
        drivers_ = std::make_unique<DriverQualifier>(context_.config,
                                                     osCode(context_.machine.platform));
    }
    controls_.setRedraw(false);
    releaseItems();
    const RowSource source{context_.machine, context_.session,   context_.options,
                           context_.names,   *drivers_,          osCode(context_.machine.platform)};
    BuiltRows built = buildPrinterRows(source);
    if (!built.enumerated) {
        controls_.setRedraw(true);
        return false;
    }
    for (PrinterRow& row : built.rows) {
        items_.push_back(std::make_unique<PrinterItem>(row.item));
        controls_.insertRow(row, items_.back().get());
    }
    controls_.setRedraw(true);
    controls_.repaintList();
    return true;
}

void PrinterList::restoreFocusState() {
    const int rows = controls_.rowCount();
    int focused = -1;
    int selected = -1;
    for (int i = 0; i < rows; ++i) {
        if (controls_.hasFocusState(i)) {
            focused = i;
        }
        if (controls_.isSelected(i)) {
            selected = i;
        }
    }
    controls_.giveFocusState(focused >= 0 ? focused : selected >= 0 ? selected : 0);
    if (controls_.selectedCount() > 0) {
        controls_.focus(kPrinterListView);
    }
}

void PrinterList::refreshAfterRun(bool enable, bool afterCleanup) {
    for (const int id : {kCommandDelete, kCommandCleanup, kCommandClose, kCommandSelectAll}) {
        controls_.enable(id, enable);
    }
    if (!enable) {
        return;
    }
    buildList();
    const std::string& level = context_.config.uninstallLevel;
    const bool hasRows = controls_.rowCount() > 0;
    if (!hasRows) {
        controls_.focus(kCommandClose);
        controls_.enable(kCommandDelete, afterCleanup && level == "1");
        controls_.enable(kCommandSelectAll, false);
    }
    if (controls_.selectedCount() == 0) {
        if (afterCleanup) {
            controls_.focus(kCommandClose);
            controls_.enable(kCommandDelete, level == "1");
        } else {
            if (hasRows) {  // an empty list keeps the focus on Exit: Select all is disabled
                controls_.focus(kCommandSelectAll);
            }
            controls_.enable(kCommandDelete, false);
        }
    }
    if (level != "2") {
        controls_.enable(kCommandCleanup, false);
    }
    if (hasRows) {
        restoreFocusState();
    }
}

void PrinterList::removeDeletedRows() {
    controls_.setRedraw(false);
    for (int i = controls_.rowCount() - 1; i >= 0; --i) {
        PrinterItem* item = controls_.rowItem(i);
        if (item == nullptr || item->mark() != kMarkDeleted) {
            continue;
        }
        controls_.deleteRow(i);
        items_.erase(std::remove_if(items_.begin(), items_.end(),
                                    [item](const auto& owned) { return owned.get() == item; }),
                     items_.end());
    }
    controls_.setRedraw(true);
}

void PrinterList::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    controls_.setRedraw(false);
    releaseItems();
    controls_.setRedraw(true);
    const int os = osCode(context_.machine.platform);
    if (context_.session.suiteServiceStopped) {
        if (isNtFamily(os)) {
            context_.companions.controlOrvixSuiteService(ServiceAction::Start);
        } else {
            context_.companions.controlKtmService(ServiceAction::Start);
        }
    }
    if (isNtFamily(os) && context_.spoolerStopped) {
        context_.dependentsRestart.restart(context_.spoolerDependents);
    }
    removeConfigCopy(context_.machine.files, context_.names, context_.tempFolder);
    controls_.destroyImages();
}

}  // namespace zrt::un
