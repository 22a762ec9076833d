// Copying a window into a picture: what the screen shows inside the window's rectangle (any
// process's window, as long as nothing covers it), or what the window paints into a memory
// context on WM_PRINT (own process only; also works for covered or off-screen windows).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tools/capture/bmp_file.h"

namespace zrt::tools {

enum class CaptureSource {
    Screen,       // BitBlt of the screen inside the window rectangle
    PrintWindow,  // PrintWindow into a memory context
};

// The whole window including its frame; nothing when the window is gone or has no area.
std::optional<Dib24> captureWindow(HWND window, CaptureSource source = CaptureSource::Screen);

// captureWindow, written as a .bmp file.
bool captureWindowToBmp(HWND window, const std::wstring& path, CaptureSource source = CaptureSource::Screen);

}  // namespace zrt::tools
