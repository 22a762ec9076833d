#include "main_window_fixture.h"

#include <commctrl.h>

#include <optional>
#include <utility>

#include "tests/support/win32/test_files.h"

namespace zrt::statuswindow::wine {

FamilyPrinter* MainWindowFixture::printer_ = nullptr;

void MainWindowFixture::setUpSuite(const char* printerName) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    printer_ = new FamilyPrinter(printerName);
    shell::MainWindow::registerClasses(GetModuleHandleW(nullptr));
}

void MainWindowFixture::TearDownTestSuite() {
    delete printer_;
    printer_ = nullptr;
}

void MainWindowFixture::SetUp() {
    ASSERT_TRUE(printer_->installed()) << "the printer of the suite was not installed";
    deleteSettingsKey(printer_->wideName());
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    logPath_ = std::wstring(temp) + logName_;
    DeleteFileW(logPath_.c_str());
    SetEnvironmentVariableW(L"ZRT7QSMK_LOG", logPath_.c_str());
}

void MainWindowFixture::TearDown() {
    // Closed the way the status-monitor library closes it, so that the session ends first.
    if (window_ && window_->hwnd() != nullptr) SendMessageW(window_->hwnd(), message::kQuit, 0, 0);
    window_.reset();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    SetEnvironmentVariableW(L"ZRT7QSMK_LOG", nullptr);
    DeleteFileW(logPath_.c_str());
    deleteSettingsKey(printer_->wideName());
}

HWND MainWindowFixture::openWindow(shell::StartParameters start) {
    std::optional<shell::BoundLibraries> libs = shell::bindLibraries();
    EXPECT_TRUE(libs.has_value()) << "ZRT7QPMU.DLL and ZRT7QSMK.DLL beside the test";
    if (!libs) return nullptr;
    window_ = shell::MainWindow::create(GetModuleHandleW(nullptr), std::move(*libs), std::move(start));
    EXPECT_TRUE(window_ != nullptr);
    if (!window_) return nullptr;
    EXPECT_TRUE(window_->openMonitor());
    return window_->hwnd();
}

std::string MainWindowFixture::log() const { return zrt::testing::readFile(logPath_); }

void deliver(HWND window, std::uint32_t kind, const std::vector<std::uint8_t>& data) {
    COPYDATASTRUCT cds{kind, static_cast<DWORD>(data.size()), const_cast<std::uint8_t*>(data.data())};
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

}  // namespace zrt::statuswindow::wine
