// Copies a window as it is on screen into a 24-bit BMP file.
#pragma once

#include <windows.h>

bool captureWindow(HWND window, const wchar_t* path);
