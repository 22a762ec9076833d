// ZRT7QUN.EXE: the driver uninstaller.
#include <windows.h>

#include <commctrl.h>

#include "uninstaller/frame/interim_companion_services.h"
#include "uninstaller/frame/uninstaller_app.h"
#include "uninstaller/frame/win32/message_loop.h"
#include "uninstaller/frame/win32/win32_machine.h"
#include "uninstaller/ui/printer_list/dependents_restart.h"
#include "uninstaller/ui/printer_list/printer_list_runs.h"
#include "uninstaller/ui/win32/printer_list_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    zrt::un::win32::Win32Machine system(instance, commandLine != nullptr ? commandLine : "");
    zrt::un::InterimCompanionServices companions(system.machine().services);
    zrt::un::ListOnlyRuns runs;  // the removal runs take their place
    zrt::un::ServiceManagerRestart dependentsRestart(system.machine().services);
    zrt::un::win32::PrinterListDialogs dialogs(instance, runs, dependentsRestart);
    int exitCode = 0;
    {
        zrt::un::UninstallerApp app(system.machine(), dialogs, companions);
        zrt::un::win32::Win32MessageLoop loop;
        exitCode = app.run(loop);
    }  // the application object's end writes the log's last line
    return exitCode;
}
