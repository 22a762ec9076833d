#include "statuswindow/shell_jobs/main_window_help.h"

#include <optional>

#include "statuswindow/contexthelp/context_help.h"
#include "statuswindow/shell_jobs/job_list.h"

namespace zrt::statuswindow::shell_jobs {

namespace ch = contexthelp;

void onMainWindowHelp(HWND mainWindow, const HELPINFO& info, const HelpRunner& help) {
    std::optional<std::uint32_t> control;
    HWND item = nullptr;
    if (info.iContextType == HELPINFO_WINDOW) {
        item = static_cast<HWND>(info.hItemHandle);
        control = static_cast<std::uint32_t>(info.iCtrlId);
    }
    const ch::HelpCall call = ch::mainWindowF1(control);
    help.run(call.kind == ch::HelpCallKind::ContextPopup && item != nullptr ? item : mainWindow, call);
}

bool onMainWindowContextMenu(HWND mainWindow, HWND statusBar, POINT screen, const presentation::WindowLayout& layout,
                             const HelpRunner& help) {
    RECT window{};
    GetWindowRect(mainWindow, &window);
    POINT clientOrigin{0, 0};
    ClientToScreen(mainWindow, &clientOrigin);
    RECT statusRect{};
    const bool overStatusBar = statusBar != nullptr && GetWindowRect(statusBar, &statusRect) && PtInRect(&statusRect, screen);

    ch::RightClickPlace place;
    // Above the menu bar: the title bar (and the frame above it).
    place.onTitleBar = !overStatusBar && screen.y < clientOrigin.y - GetSystemMetrics(SM_CYMENU);
    place.onStatusBar = overStatusBar;
    place.screen = {screen.x, screen.y};
    place.windowTopLeft = {window.left, window.top};
    place.menuHeight = GetSystemMetrics(SM_CYMENU);
    place.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    const ch::HelpCall call = ch::mainWindowRightClick(layout, place);
    if (call.kind == ch::HelpCallKind::Default) return false;
    help.run(mainWindow, call);
    return true;
}

std::optional<Text> menuHelpText(HWND mainWindow, UINT item, UINT flags, HMENU menu, HMODULE library,
                                 psm::GetMenuHelpTextFn getMenuHelpText) {
    if (getMenuHelpText == nullptr || library == nullptr) return std::nullopt;
    const UINT id = getMenuHelpText(mainWindow, item, flags, menu);
    return ch::statusBarText(loadProgramString(library, id));
}

}  // namespace zrt::statuswindow::shell_jobs
