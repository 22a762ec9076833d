// The main window's side of the context help: F1 (WM_HELP) and right clicks (WM_CONTEXTMENU)
// turned into help calls by the portable decisions.
#pragma once

#include <windows.h>

#include <optional>

#include "presentation/psm_interface.h"
#include "presentation/window_frame/window_layout.h"
#include "statuswindow/contexthelp/menu_help.h"
#include "statuswindow/shell_jobs/help_runner.h"

namespace zrt::statuswindow::shell_jobs {

// WM_HELP of the main window.
void onMainWindowHelp(HWND mainWindow, const HELPINFO& info, const HelpRunner& help);

// WM_CONTEXTMENU of the main window: false when the default window procedure must handle it
// (a click on the title bar).
bool onMainWindowContextMenu(HWND mainWindow, HWND statusBar, POINT screen, const presentation::WindowLayout& layout,
                             const HelpRunner& help);

// WM_MENUSELECT: the text for status-bar part 0 while a menu item is highlighted, or none when
// the bar stays as it is (the item has no string). Call only for MenuSelectStep::AskLibrary.
std::optional<Text> menuHelpText(HWND mainWindow, UINT item, UINT flags, HMENU menu, HMODULE library,
                                 psm::GetMenuHelpTextFn getMenuHelpText);

}  // namespace zrt::statuswindow::shell_jobs
