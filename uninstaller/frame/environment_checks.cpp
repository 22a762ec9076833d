#include "uninstaller/frame/environment_checks.h"

#include "uninstaller/frame/string_ids.h"
#include "uninstaller/frame/system_queries.h"

namespace zrt::un {
namespace {

void giveMessage(Machine& machine, Session& session, MessageCatalog& catalog, unsigned id) {
    if (session.silent) {
        tellOrLog(machine, session, machine.text.loadString(id), ids::kTitleWarning, kBoxOk);
    } else {
        catalog.show(kNoWindow, id);
    }
}

}  // namespace

bool printManagerRunning(Machine& machine, Session& session, MessageCatalog& catalog) {
    if (!isWin9x(osCode(machine.platform))) {
        return false;
    }
    if (machine.desktop.findWindow(std::nullopt, std::string(kPrintManagerTitle)) == kNoWindow) {
        return false;
    }
    giveMessage(machine, session, catalog, ids::kPrintManagerActive);
    return true;
}

bool jobMonitorRunning(Machine& machine, Session& session, MessageCatalog& catalog,
                       const UninstallConfig& config, CompanionServices& companions) {
    if (!config.checkJobMonitor) {
        return false;
    }
    if (machine.mutexes.openMutex(kJobMonitorMutex)) {  // closed again at once
        giveMessage(machine, session, catalog, ids::kJobMonitorActive);
        return true;
    }
    if (isNtFamily(osCode(machine.platform))) {
        session.suiteServiceStopped = companions.controlOrvixSuiteService(ServiceAction::Stop) == 1;
    } else if (config.ktmService != "OFF") {
        session.suiteServiceStopped = companions.controlKtmService(ServiceAction::Stop) == 1;
    } else {
        session.suiteServiceStopped = false;
    }
    return false;
}

}  // namespace zrt::un
