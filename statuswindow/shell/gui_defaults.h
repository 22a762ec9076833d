// Small defaults the main window's creation and painting share.
#pragma once

#include <windows.h>

namespace zrt::statuswindow::shell {

// The stock font of the job list, its caption and the detail pane.
inline HFONT defaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// How a pane or the window is shown: without activation in no-activate mode.
inline int showCommand(bool noActivate) { return noActivate ? SW_SHOWNA : SW_SHOW; }

}  // namespace zrt::statuswindow::shell
