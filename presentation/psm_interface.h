// The interface between the status window (ZRT7QSWK) and the presentation library
// (ZRT7QPMU): the records the library fills, its export names and their function types.
// The library's records point into its own static tables and text buffers; they stay valid
// until the next call, and the window never frees them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "presentation/core/display_values.h"
#include "presentation/window_frame/window_layout.h"

namespace zrt::psm {

inline constexpr wchar_t kLibraryFileName[] = L"ZRT7QPMU.DLL";

// Export names, as GetProcAddress sees them.
inline constexpr char kGetPSWInfo[] = "PSM_GetPSWInfo";
inline constexpr char kGetPSWDisplay[] = "PSM_GetPSWDisplay";
inline constexpr char kPrinterSpecificProc[] = "PSM_PrinterSpecificProc";
inline constexpr char kCreateToolbar[] = "PSM_CreateToolbar";
inline constexpr char kCreateToolbar2[] = "PSM_CreateToolbar2";
inline constexpr char kGetMenuHelpText[] = "PSM_GetMenuHelpText";
inline constexpr char kGetToolTipText[] = "PSM_GetToolTipText";
inline constexpr char kGetFileName[] = "PSM_GetFileName";
inline constexpr char kDllMain[] = "DLLMain";

// Kind argument of PSM_GetPSWDisplay.
inline constexpr int kDataIsStatusRecord = 0;
inline constexpr int kDataIsConnectionRecord = 1;

// The library reads the fixed part of a status or connection record only, and is not told the
// record's size: the caller hands it at least this many readable bytes (a shorter delivery is
// copied into a zero-filled block of this size first).
inline constexpr std::size_t kMinimumRecordBytes = 0x80;

// Toolbar control id and the sizes the toolbars take in their holders.
inline constexpr int kToolbarControlId = 51;
inline constexpr SIZE kJobToolbarSize{73, 24};
inline constexpr SIZE kInfoToolbarSize{49, 24};

using LayoutRecord = zrt::presentation::WindowLayout;

// One text of the headline or the message list. x and y both 0 centre the text vertically.
struct TextRecord {
    std::int32_t x;
    std::int32_t y;
    std::int32_t fontHeight;
    std::int32_t fontWeight;
    std::int32_t reserved;
    std::int32_t stringId;  // 0 = empty entry
    const wchar_t* text;    // filled on every call
};

struct BitmapRecord {
    HRSRC resource;  // FindResourceW(RT_BITMAP) of bitmapId; null when missing
    std::uint16_t bitmapId;
};

struct AnimationFrame {
    HRSRC resource;
    std::int32_t bitmapId;
    std::int32_t x;  // offset in the picture pane
    std::int32_t y;
    std::int32_t durationMs;
};

// Pause, Resume and Cancel with their states (menu: 0 enabled, 1 grayed; toolbar: 0 disabled,
// 4 enabled, 5 enabled and pressed).
using CommandStateSet = zrt::presentation::CommandStateSet;

struct DisplayRecord {
    std::int32_t displayId;
    HICON windowIcon;
    const CommandStateSet* menuStates;
    const CommandStateSet* toolbarStates;
    HICON paneIcon;
    const TextRecord* headline;
    std::int32_t messageCount;
    const TextRecord* messages;
    std::int32_t background;  // 600 normal, 601 error, 602 service error
    const BitmapRecord* picture;
    std::int32_t animationMode;  // 0 none, 1 while pages advance, 2 loops
    std::int32_t frameCount;
    const AnimationFrame* frames;
    std::int32_t pagesText;  // 1 = no page count in the progress pane
    const wchar_t* sound;    // sound name, or null
};

#if defined(_WIN32) && !defined(_WIN64)
// The 32-bit build keeps the record sizes the status window relies on.
static_assert(sizeof(TextRecord) == 28, "text record is 28 bytes");
static_assert(sizeof(AnimationFrame) == 20, "animation frame is 20 bytes");
#endif

using GetPSWInfoFn = BOOL(WINAPI*)(LayoutRecord* layout);
using GetPSWDisplayFn = BOOL(WINAPI*)(HMODULE library, DWORD previousDisplayId, const void* data,
                                      DisplayRecord* display, int kind);
using PrinterSpecificProcFn = BOOL(WINAPI*)(DWORD_PTR first, DWORD_PTR second);
using CreateToolbarFn = HWND(WINAPI*)(HWND holder, int unused);
using GetMenuHelpTextFn = UINT(WINAPI*)(HWND window, UINT item, UINT flags, HMENU menu);
using GetToolTipTextFn = UINT(WINAPI*)(UINT command);
using GetFileNameFn = BOOL(WINAPI*)(int kind, LPWSTR name);  // name holds MAX_PATH characters

}  // namespace zrt::psm
