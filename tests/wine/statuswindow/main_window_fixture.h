// The status window's main window in-process under Wine, for a family printer installed once per
// test suite: the status-monitor stand-in writes its call log to a file of the test, and the
// printer's settings key is deleted before and after each test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "family_printer.h"
#include "statuswindow/shell/main_window.h"

namespace zrt::statuswindow::wine {

class MainWindowFixture : public ::testing::Test {
protected:
    // logName: the file name of the call log in the temp folder, one per test program.
    explicit MainWindowFixture(const wchar_t* logName) : logName_(logName) {}

    // Installs the suite's printer; called by the suite's SetUpTestSuite.
    static void setUpSuite(const char* printerName);
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The window for the start parameters over the libraries beside the test, its monitor
    // opened; nullptr (with a failure) when it could not be made.
    HWND openWindow(shell::StartParameters start);
    // The call log of the status-monitor stand-in so far.
    std::string log() const;

    static FamilyPrinter* printer_;
    std::unique_ptr<shell::MainWindow> window_;
    std::wstring logPath_;

private:
    const wchar_t* logName_;
};

// A delivery of the status monitor of the given kind (1: a status record).
void deliver(HWND window, std::uint32_t kind, const std::vector<std::uint8_t>& data);

}  // namespace zrt::statuswindow::wine
