// A stand-in for WinHelpW that records each call instead of starting the help engine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zrt::testing {

// One call that reached the help engine.
struct HelpCallRecord {
    HWND window;
    std::wstring file;
    UINT command;
    ULONG_PTR data;
    std::vector<DWORD> pairs;  // HELP_CONTEXTMENU: the list up to and with its {0, 0} end
};

// The calls recorded so far, oldest first; the test clears it.
std::vector<HelpCallRecord>& recordedHelpCalls();
// Has the signature of WinHelpW.
BOOL WINAPI recordHelpCall(HWND window, LPCWSTR file, UINT command, ULONG_PTR data);

}  // namespace zrt::testing
