// A scenario played in a status window opened the way the status-monitor library opens it
// (SmPsw_OpenPrinter2 and SmPsw_InvokePSW of the stand-in, launch mode 0), with pictures taken
// at given times after the window appeared.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zrt::tools::shots {

struct TimedShot {
    DWORD atMs = 0;
    std::wstring name;
};

struct LiveRun {
    std::wstring folder;     // pictures
    std::wstring printer;
    std::wstring scenario;   // path of the .scn file
    std::wstring callLog;    // path of the stand-in's call log
    std::vector<TimedShot> shots;
    DWORD closeWaitMs = 10000;  // after the last picture, for the window to close itself
};

// 0 when every picture was taken; else the number of pictures missing. A window that has not
// closed itself in time is closed with WM_PSW_QUIT.
int runLive(const LiveRun& run);

}  // namespace zrt::tools::shots
