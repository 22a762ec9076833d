#include <gtest/gtest.h>

#include <windows.h>

#include "statuswindow/shell_jobs/help_runner.h"
#include "wine_jobs_support.h"

namespace zrt::statuswindow::wine {
namespace {

namespace ch = contexthelp;
using shell_jobs::HelpRunner;

TEST(HelpRunner, HelpFileBelowThePrinterDriverDirectory) {
    const std::wstring dir = shell_jobs::printerDriverDirectory();
    ASSERT_FALSE(dir.empty());
    const std::optional<std::wstring> path = shell_jobs::helpFilePath(L"ZRT7Q.HLP");
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, dir + L"\\3\\ZRT7Q.HLP") << utf8(*path);
    EXPECT_FALSE(shell_jobs::helpFilePath(L""));
}

TEST(HelpRunner, WhatReachesWinHelp) {
    recordedHelpCalls().clear();
    const HelpRunner help(std::wstring(L"C:\\d\\3\\ZRT7Q.HLP"), recordHelpCall);
    const HWND main = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
    const HWND control = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x5678));
    help.run(main, {ch::HelpCallKind::Finder, 0, {}});
    help.run(control, {ch::HelpCallKind::ContextPopup, 3130, {}});
    help.run(main, {ch::HelpCallKind::ContextMenu, 0, {511, 3075}});
    help.run(main, {ch::HelpCallKind::ContextMenu, 0, {}});
    help.run(main, {ch::HelpCallKind::Default, 0, {}});
    help.run(main, {ch::HelpCallKind::None, 0, {}});
    help.quit(main);

    const auto& calls = recordedHelpCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].command, static_cast<UINT>(HELP_FINDER));
    EXPECT_EQ(calls[0].window, main);
    EXPECT_EQ(calls[0].file, L"C:\\d\\3\\ZRT7Q.HLP");
    EXPECT_EQ(calls[1].command, static_cast<UINT>(HELP_CONTEXTPOPUP));
    EXPECT_EQ(calls[1].window, control) << "the popup is made for the control's window";
    EXPECT_EQ(calls[1].data, 3130u);
    EXPECT_EQ(calls[2].command, static_cast<UINT>(HELP_CONTEXTMENU));
    EXPECT_EQ(calls[2].pairs, (std::vector<DWORD>{511, 3075, 0, 0}));
    EXPECT_EQ(calls[3].pairs, (std::vector<DWORD>{0, 0})) << "a point in no pane sends the empty pair";
    EXPECT_EQ(calls[4].command, static_cast<UINT>(HELP_QUIT));
}

TEST(HelpRunner, NoHelpFileNoCalls) {
    recordedHelpCalls().clear();
    const HelpRunner help(std::nullopt, recordHelpCall);
    help.finder(nullptr);
    help.quit(nullptr);
    EXPECT_TRUE(recordedHelpCalls().empty());
}

}  // namespace
}  // namespace zrt::statuswindow::wine
