// The running-utility checks of the start-up.
#pragma once

#include "uninstaller/frame/companion_services.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/uninstall_config.h"

namespace zrt::un {

inline constexpr const char* kPrintManagerTitle = "QuilletII Manager";
inline constexpr const char* kJobMonitorMutex = "JobMonitor Mutex STlist";

// True (after message 17) when the print manager runs on Windows 9x/Me.
bool printManagerRunning(Machine& machine, Session& session, MessageCatalog& catalog);
// True (after message 25) when the job monitor runs; otherwise stops the suite service and
// records the outcome in session.suiteServiceStopped.
bool jobMonitorRunning(Machine& machine, Session& session, MessageCatalog& catalog,
                       const UninstallConfig& config, CompanionServices& companions);

}  // namespace zrt::un
