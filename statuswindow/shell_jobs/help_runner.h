// Calls the help engine (WinHelpW) with the help file for the decisions of the context help:
// finder, context popup for a control's window, context menu with a pair list, quit.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "statuswindow/contexthelp/context_help.h"

namespace zrt::statuswindow::shell_jobs {

// WinHelpW's shape; the program uses WinHelpW itself, tests a recorder.
using WinHelpFn = BOOL(WINAPI*)(HWND window, LPCWSTR helpFile, UINT command, ULONG_PTR data);

// The printer driver directory of the local machine and the current environment (level 1),
// empty when it cannot be read.
std::wstring printerDriverDirectory();

// The help file: driver directory, "\3\" and the library's help file name; none when either is
// unknown.
std::optional<std::wstring> helpFilePath(const std::wstring& fileName);

class HelpRunner {
public:
    // helpFile: none makes every call a no-op.
    explicit HelpRunner(std::optional<std::wstring> helpFile, WinHelpFn winHelp = nullptr);

    // Carries out a decision: window is the main window or dialog for the finder and the
    // context menu, the control's window for a popup.
    void run(HWND window, const contexthelp::HelpCall& call) const;
    void finder(HWND window) const;
    void quit(HWND window) const;

    const std::optional<std::wstring>& helpFile() const noexcept { return helpFile_; }

private:
    std::optional<std::wstring> helpFile_;
    WinHelpFn winHelp_;
};

}  // namespace zrt::statuswindow::shell_jobs
