// Process-wide state of one uninstaller run that the frame and the later subsystems share.
#pragma once

#include "uninstaller/frame/system/desktop.h"

namespace zrt::un {

class UninstallLog;

struct Session {
    bool silent = false;
    // Set by the start-up to the opposite of `silent`; cleared when the progress window
    // cannot be created.
    bool interactive = true;
    // Set by the job-monitor check when it stopped the suite service.
    bool suiteServiceStopped = false;
    WindowRef mainWindow = kNoWindow;
    UninstallLog* log = nullptr;  // silent mode only
};

}  // namespace zrt::un
