#include "statuswindow/shell_jobs/help_runner.h"

#include <winspool.h>

#include <vector>

#include "statuswindow/contexthelp/help_file.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell_jobs {

namespace ch = contexthelp;

std::wstring printerDriverDirectory() {
    DWORD needed = 0;
    std::vector<BYTE> buffer((MAX_PATH + 1) * sizeof(wchar_t));
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, buffer.data(), static_cast<DWORD>(buffer.size()), &needed)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) return {};
        buffer.resize(needed);
        if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, buffer.data(), static_cast<DWORD>(buffer.size()), &needed))
            return {};
    }
    return std::wstring(reinterpret_cast<const wchar_t*>(buffer.data()),
                        wcsnlen(reinterpret_cast<const wchar_t*>(buffer.data()), buffer.size() / sizeof(wchar_t)));
}

std::optional<std::wstring> helpFilePath(const std::wstring& fileName) {
    const std::optional<Text> path =
        ch::helpFilePath(shell::fromWide(printerDriverDirectory().c_str()), shell::fromWide(fileName.c_str()));
    if (!path) return std::nullopt;
    return shell::toWide(*path);
}

HelpRunner::HelpRunner(std::optional<std::wstring> helpFile, WinHelpFn winHelp)
    : helpFile_(std::move(helpFile)), winHelp_(winHelp != nullptr ? winHelp : WinHelpW) {}

void HelpRunner::run(HWND window, const ch::HelpCall& call) const {
    if (!helpFile_) return;
    switch (call.kind) {
        case ch::HelpCallKind::Finder: finder(window); break;
        case ch::HelpCallKind::ContextPopup:
            winHelp_(window, helpFile_->c_str(), HELP_CONTEXTPOPUP, call.contextId);
            break;
        case ch::HelpCallKind::ContextMenu: {
            DWORD pairs[4] = {call.pair.controlId, call.pair.contextId, 0, 0};
            winHelp_(window, helpFile_->c_str(), HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(pairs));
            break;
        }
        case ch::HelpCallKind::None:
        case ch::HelpCallKind::Default: break;
    }
}

void HelpRunner::finder(HWND window) const {
    if (helpFile_) winHelp_(window, helpFile_->c_str(), HELP_FINDER, 0);
}

void HelpRunner::quit(HWND window) const {
    if (helpFile_) winHelp_(window, helpFile_->c_str(), HELP_QUIT, 0);
}

}  // namespace zrt::statuswindow::shell_jobs

static_assert(zrt::statuswindow::contexthelp::help_command::kQuit == HELP_QUIT, "HELP_QUIT");
static_assert(zrt::statuswindow::contexthelp::help_command::kContextPopup == HELP_CONTEXTPOPUP, "HELP_CONTEXTPOPUP");
static_assert(zrt::statuswindow::contexthelp::help_command::kContextMenu == HELP_CONTEXTMENU, "HELP_CONTEXTMENU");
static_assert(zrt::statuswindow::contexthelp::help_command::kFinder == HELP_FINDER, "HELP_FINDER");
