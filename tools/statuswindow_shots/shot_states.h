// The named states of the status window, each shown by a one-record scenario of the
// status-monitor stand-in in a window opened at the user's request.
#pragma once

#include <string>

namespace zrt::tools::shots {

// Pictures folder\<state>.bmp of every state; the number of states that failed.
int shootStates(const std::wstring& folder, const std::wstring& printer);

}  // namespace zrt::tools::shots
