// The status window program from its command line to its exit: start-up steps, message loop,
// clean-up and the relaunch after a port change.
#pragma once

#include <windows.h>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::shell {

// Runs the program; returns the exit code.
int runStatusWindow(HINSTANCE instance, TextView commandLine);

// Starts a new copy with the relaunch command line and waits (at most 10 s) for its window.
void relaunch(TextView printerName, TextView portText, std::uint32_t launchMode, bool noActivate);

}  // namespace zrt::statuswindow::shell
