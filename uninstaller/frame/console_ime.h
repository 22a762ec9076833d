// The console IME switch: HKEY_CURRENT_USER\Console, DWORD "LoadConIme".
#pragma once

#include "uninstaller/frame/system/registry.h"

namespace zrt::un {

inline constexpr const char* kConsoleKey = "Console";
inline constexpr const char* kLoadConImeValue = "LoadConIme";

// Writes 0; true when the value was not 0 before (so it must be restored).
bool switchConsoleImeOff(Registry& registry);
void restoreConsoleIme(Registry& registry);

}  // namespace zrt::un
