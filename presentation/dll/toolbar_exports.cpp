// The two toolbars of the status window: created in the given holder window from the
// library's toolbar bitmaps, then moved to the holder's top-left corner at their fixed size.
#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>

#include <iterator>

#include "presentation/dll/exports.h"
#include "presentation/dll/library_module.h"
#include "presentation/resource_ids.h"

namespace {

constexpr int kImageSize = 16;

TBBUTTON button(int image, int command) {
    TBBUTTON b{};
    b.iBitmap = image;
    b.idCommand = command;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_BUTTON;
    return b;
}

template <std::size_t N>
HWND createToolbar(HWND holder, UINT bitmapId, const TBBUTTON (&buttons)[N], SIZE size) {
    if (holder == nullptr) return nullptr;
    const DWORD style = WS_CHILD | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE;
    HWND toolbar = CreateToolbarEx(holder, style, zrt::psm::kToolbarControlId,
                                   static_cast<int>(N), zrt::psm::libraryModule(), bitmapId,
                                   buttons, static_cast<int>(N), kImageSize, kImageSize,
                                   kImageSize, kImageSize, sizeof(TBBUTTON));
    if (toolbar == nullptr) return nullptr;
    SetWindowPos(toolbar, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(toolbar, SW_SHOWNA);
    return toolbar;
}

}  // namespace

HWND WINAPI PSM_CreateToolbar(HWND holder, int /*unused*/) {
    const TBBUTTON buttons[] = {button(0, IDM_JOB_PAUSE), button(1, IDM_JOB_RESUME),
                                button(2, IDM_JOB_CANCEL)};
    return createToolbar(holder, IDB_TOOLBAR_JOB, buttons, zrt::psm::kJobToolbarSize);
}

HWND WINAPI PSM_CreateToolbar2(HWND holder, int /*unused*/) {
    const TBBUTTON buttons[] = {button(0, IDM_OPT_CONSUMABLES), button(1, IDM_OPT_REFRESH)};
    return createToolbar(holder, IDB_TOOLBAR_INFO, buttons, zrt::psm::kInfoToolbarSize);
}
