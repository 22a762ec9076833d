// ZRT7QSWK.EXE: the status window of one printer.
#include <windows.h>

#include "statuswindow/shell/application.h"
#include "statuswindow/shell/wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return zrt::statuswindow::shell::runStatusWindow(instance, zrt::statuswindow::shell::fromWide(GetCommandLineW()));
}
