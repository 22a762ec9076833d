// A sheet of the presentation library's artwork, drawn with GDI and saved as a BMP file.
#pragma once

#include <windows.h>

// Draws every picture, animation frame, icon and toolbar image of `library` with its id
// beneath it and writes the sheet to `path`. Returns false when the file cannot be written.
bool writeContactSheet(HMODULE library, const wchar_t* path);
