// Layout, menu help, tooltips, file names and the printer-specific hook.
#include <cstring>

#include "presentation/dll/exports.h"
#include "presentation/window_frame/frame_texts.h"

using namespace zrt::presentation;

BOOL WINAPI PSM_GetPSWInfo(zrt::psm::LayoutRecord* layout) {
    if (layout != nullptr) *layout = kWindowLayout;
    return TRUE;
}

BOOL WINAPI PSM_PrinterSpecificProc(DWORD_PTR /*first*/, DWORD_PTR /*second*/) { return TRUE; }

UINT WINAPI PSM_GetMenuHelpText(HWND window, UINT item, UINT flags, HMENU menu) {
    const bool inWindowMenu = window != nullptr && menu != nullptr && GetMenu(window) == menu;
    return menuHelpStringId(item, flags, inWindowMenu);
}

UINT WINAPI PSM_GetToolTipText(UINT command) { return toolTipStringId(command); }

BOOL WINAPI PSM_GetFileName(int kind, LPWSTR name) {
    const std::u16string_view text = fileNameFor(kind);
    if (name != nullptr) {
        static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16");
        std::memcpy(name, text.data(), text.size() * sizeof(wchar_t));
        name[text.size()] = L'\0';
    }
    return text.empty() ? FALSE : TRUE;
}
