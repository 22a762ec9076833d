// SmPsw_InvokePSW: shows the running status window of a printer (WM_PSW_SHOW with the launch
// mode), or starts ZRT7QSWK.EXE with "!D<printer> !P<port> !L<mode>" like the real library.
// The program is taken from the stand-in's own folder when it is there, else from the system
// directory's spool\drivers\w32x86\3 folder. The port is the setting InvokePort when set, else
// the printer's port from the spooler; without one, "!P" is left out and the window derives it.
#pragma once

#include <windows.h>

#include <string>

namespace zrt::testbed {

struct InvokeOutcome {
    bool ok = false;
    bool shown = false;         // an existing window was asked to show itself
    std::wstring commandLine;   // of the started program
    DWORD error = 0;            // GetLastError of a failed start
};

InvokeOutcome startOrShowStatusWindow(HMODULE self, const std::wstring& printer, DWORD launchMode);

}  // namespace zrt::testbed
