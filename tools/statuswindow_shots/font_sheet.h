// A sheet of Japanese sample text in the fonts that dialogs and controls ask for (the default
// GUI font, the dialog font aliases and the Japanese system faces), to see at a glance whether
// the Wine prefix maps each of them to a font that has Japanese glyphs.
#pragma once

#include <string>

namespace zrt::tools::shots {

// Writes folder\fonts.bmp; true on success.
bool drawFontSheet(const std::wstring& folder);

}  // namespace zrt::tools::shots
