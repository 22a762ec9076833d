// One picture of a status window: raised above other windows for the moment of the capture.
#pragma once

#include <windows.h>

#include <string>

namespace zrt::tools::shots {

// Writes folder\name.bmp; prints a line about it. False when the capture failed.
bool takeShot(HWND window, const std::wstring& folder, const std::wstring& name);

}  // namespace zrt::tools::shots
