// The status window's main window in-process under Wine, over the real presentation library
// and the status-monitor stand-in, for a family printer installed in the prefix.
#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "family_printer.h"
#include "statuswindow/core/command_line.h"
#include "statuswindow/core/texts.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/resource_ids.h"
#include "statuswindow/shell/application.h"
#include "statuswindow/shell/main_window.h"
#include "statuswindow/shell/resource_strings.h"
#include "statuswindow/shell/spooler.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::wine {
namespace {

using shell::BoundLibraries;
using shell::MainWindow;
using shell::StartParameters;
using shell::toWide;

constexpr char kPrinter[] = "ZRT7Q Test KX";
constexpr wchar_t kPrinterW[] = L"ZRT7Q Test KX";

std::wstring windowText(HWND w) {
    wchar_t buffer[4096] = {};
    GetWindowTextW(w, buffer, 4096);
    return buffer;
}

std::wstring statusBarText(HWND bar) {
    wchar_t buffer[512] = {};
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring presentationString(UINT id) {
    return toWide(shell::loadModuleString(GetModuleHandleW(L"ZRT7QPMU.DLL"), id).value_or(Text()));
}

std::wstring ownString(UINT id) { return toWide(shell::loadModuleString(GetModuleHandleW(nullptr), id).value_or(Text())); }

void deliver(HWND window, std::uint32_t kind, const std::vector<std::uint8_t>& data) {
    COPYDATASTRUCT cds{kind, static_cast<DWORD>(data.size()), const_cast<std::uint8_t*>(data.data())};
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

std::vector<std::uint8_t> job(std::uint32_t printer, std::uint32_t jobStatus) {
    return status::StatusRecordBuilder()
        .printerStatus(printer)
        .jobStatus(jobStatus)
        .jobId(7)
        .paperSource(1)
        .requestedPaper(9)
        .warningStatus(printer == 0x10000 ? 0x40000000 : 0)
        .totalPages(2)
        .currentPage(1)
        .documentName(u"report.txt")
        .userName(u"hanako")
        .computerName(u"\\\\PC2")
        .build();
}

std::string utf8(const std::wstring& w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    s.resize(s.size() - 1);
    return s;
}

class StatusWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        printer_ = new FamilyPrinter(kPrinter);
        MainWindow::registerClasses(GetModuleHandleW(nullptr));
    }
    static void TearDownTestSuite() {
        delete printer_;
        printer_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(printer_->installed()) << "AddPrinterA failed: " << GetLastError();
        deleteSettingsKey(kPrinterW);
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        logPath_ = std::wstring(temp) + L"zrt_swk_calls.log";
        DeleteFileW(logPath_.c_str());
        SetEnvironmentVariableW(L"ZRT7QSMK_LOG", logPath_.c_str());
    }
    void TearDown() override {
        window_.reset();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        SetEnvironmentVariableW(L"ZRT7QSMK_LOG", nullptr);
        DeleteFileW(logPath_.c_str());
        deleteSettingsKey(kPrinterW);
    }

    HWND open(std::uint32_t launchMode = 0, shell::InstanceMutex* mutex = nullptr) {
        std::optional<BoundLibraries> libs = shell::bindLibraries();
        EXPECT_TRUE(libs.has_value()) << "ZRT7QPMU.DLL and ZRT7QSMK.DLL beside the test";
        if (!libs) return nullptr;
        StartParameters start{shell::fromWide(kPrinterW), u"FILE:", launchMode, true, nullptr, mutex};
        window_ = MainWindow::create(GetModuleHandleW(nullptr), std::move(*libs), std::move(start));
        EXPECT_TRUE(window_ != nullptr);
        if (!window_) return nullptr;
        EXPECT_TRUE(window_->openMonitor());
        return window_->hwnd();
    }

    std::string log() const {
        std::ifstream in(utf8(logPath_).c_str(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    static FamilyPrinter* printer_;
    std::unique_ptr<MainWindow> window_;
    std::wstring logPath_;
};

FamilyPrinter* StatusWindowTest::printer_ = nullptr;

TEST_F(StatusWindowTest, SpoolerFactsOfTheFamilyPrinter) {
    const shell::PrinterHandle handle = shell::openPrinter(shell::fromWide(kPrinterW));
    ASSERT_TRUE(handle);
    const std::optional<DriverInfo3> driver = shell::readDriverInfo3(handle.get());
    ASSERT_TRUE(driver.has_value());
    EXPECT_TRUE(passesFamilyCheck(*driver));
    const std::optional<Text> port = shell::derivePortTextFromSpooler(nullptr, shell::fromWide(kPrinterW));
    ASSERT_TRUE(port.has_value());
    EXPECT_EQ(utf8(toWide(*port)), "FILE:");
}

TEST_F(StatusWindowTest, OtherDriversFailTheFamilyCheck) {
    const FamilyPrinter other("ZRT7Q Test Other", "ZRT7Q Test Other Driver");
    ASSERT_TRUE(other.installed());
    EXPECT_FALSE(shell::derivePortTextFromSpooler(nullptr, u"ZRT7Q Test Other").has_value());
}

TEST_F(StatusWindowTest, CreatesTheWindowOfThePrinter) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(FindWindowW(L"PSWC1WindowClass", kPrinterW), w) << "found by class and printer name";
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_USERDATA), 0);
    EXPECT_FALSE(IsWindowVisible(w)) << "start-up shows it later";
    EXPECT_EQ(utf8(statusBarText(GetDlgItem(w, 505))), "FILE:");
    EXPECT_EQ(utf8(windowText(GetDlgItem(w, 502))), utf8(presentationString(5403))) << "status being acquired";
    EXPECT_EQ(utf8(windowText(GetDlgItem(w, 514))), utf8(ownString(IDS_JOB_LIST_CAPTION)));
    RECT r{};
    GetWindowRect(GetDlgItem(w, 504), &r);
    EXPECT_EQ(r.right - r.left, 127);
    EXPECT_EQ(r.bottom - r.top, 126);
    for (int id : {512, 503, 502, 504, 508, 514, 510, 511, 513, 505})
        EXPECT_NE(GetDlgItem(w, id), nullptr) << "child " << id;
    EXPECT_NE(GetMenu(w), nullptr);
    EXPECT_NE(log().find("SmPsw_OpenPrinter"), std::string::npos) << log();
    EXPECT_NE(log().find("printer=\"ZRT7Q Test KX\" port=\"FILE:\""), std::string::npos) << log();
}

TEST_F(StatusWindowTest, PaperOutShowsTheWindowWithThePaperInserts) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, job(0x10000, 0x8));
    EXPECT_TRUE(IsWindowVisible(w));
    const std::optional<Text> expected =
        formatMessage(shell::fromWide(presentationString(5416).c_str()),
                      {shell::fromWide(ownString(IDS_SOURCE_CASSETTE1).c_str()), shell::fromWide(ownString(IDS_PAPER_A4).c_str())});
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(utf8(windowText(GetDlgItem(w, 502))), utf8(toWide(*expected)));
    EXPECT_EQ(utf8(windowText(GetDlgItem(w, 502))).rfind(utf8(ownString(IDS_SOURCE_CASSETTE1)), 0), 0u);
    EXPECT_EQ(window_->core().state().display.id, 409u);
    EXPECT_EQ(settingValue(kPrinterW, L"LastWindowVisiblity", 99), 1u);
    const std::string calls = log();
    EXPECT_NE(calls.find("SmPsw_StartPolling"), std::string::npos) << calls;
    EXPECT_NE(calls.find("request=2063 value=1"), std::string::npos) << calls;
}

TEST_F(StatusWindowTest, EndedJobClosesTheUntouchedWindow) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    ShowWindow(w, SW_SHOWNA);
    deliver(w, 1, job(0, 0x8));
    deliver(w, 1, job(0, 0x3));
    ASSERT_TRUE(IsWindow(w));
    SendMessageW(w, WM_TIMER, timer::kAutoClose, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(settingValue(kPrinterW, L"LastWindowVisiblity", 99), 0u);
    const std::string calls = log();
    EXPECT_NE(calls.find("SmPsw_StopPolling"), std::string::npos) << calls;
    EXPECT_NE(calls.find("SmPsw_ClosePrinter"), std::string::npos) << calls;
}

TEST_F(StatusWindowTest, ErrorHoldsOffTheAutoClose) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, job(0, 0x8));
    deliver(w, 1, job(0, 0x3));
    deliver(w, 1, job(0x800000, 0x3));
    SendMessageW(w, WM_TIMER, timer::kAutoClose, 0);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_TRUE(window_->core().state().userTouched);
}

TEST_F(StatusWindowTest, SystemMenuCloseDuringPrintingIsRecorded) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, job(0, 0x8));
    SendMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(settingValue(kPrinterW, L"IsQuitDuringPrinting", 99), 1u);
}

TEST_F(StatusWindowTest, CloseMessageDuringPrintingIsNotRecorded) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, job(0, 0x8));
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(settingValue(kPrinterW, L"IsQuitDuringPrinting", 99), 99u);
}

TEST_F(StatusWindowTest, RenameChangesTitleMonitorAndMutex) {
    shell::InstanceMutex mutex;
    ASSERT_TRUE(mutex.take(u"ZRT7Q Test KX"));
    const HWND w = open(0, &mutex);
    ASSERT_NE(w, nullptr);
    const std::u16string name = u"ZRT7Q Test KX\\Renamed";
    std::vector<std::uint8_t> data;
    for (char16_t c : name + u'\0') {
        data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    deliver(w, 3, data);
    EXPECT_EQ(utf8(windowText(w)), "ZRT7Q Test KX\\Renamed");
    EXPECT_NE(log().find("SmPsw_ChangePrinterName"), std::string::npos) << log();
    const HANDLE renamed = OpenMutexW(SYNCHRONIZE, FALSE, L"ZRT7Q_ZRT7Q Test KX_Renamed");
    EXPECT_NE(renamed, nullptr) << "the mutex of the new name, \\ as _";
    if (renamed != nullptr) CloseHandle(renamed);
    const HANDLE old = OpenMutexW(SYNCHRONIZE, FALSE, L"ZRT7Q_ZRT7Q Test KX");
    EXPECT_EQ(old, nullptr) << "the old mutex is gone";
    if (old != nullptr) CloseHandle(old);
    deleteSettingsKey(L"ZRT7Q Test KX\\Renamed");
}

TEST_F(StatusWindowTest, UserShowRequestShowsAndKeepsTheWindow) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    SendMessageW(w, message::kShow, 1, 0);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(window_->core().state().userTouched);
    EXPECT_EQ(window_->core().state().launchMode, 1u);
    deliver(w, 1, job(0, 0x8));
    deliver(w, 1, job(0, 0x3));
    EXPECT_TRUE(IsWindow(w));
}

TEST_F(StatusWindowTest, ProgressAndJobListFollowTheRecord) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    ShowWindow(w, SW_SHOWNA);
    deliver(w, 1, job(0, 0x8));
    UpdateWindow(GetDlgItem(w, 508));
    wchar_t cell[256] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = cell;
    item.cchTextMax = 256;
    SendMessageW(GetDlgItem(w, 508), LVM_GETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(utf8(cell), "PC2");
    EXPECT_EQ(window_->core().state().totalPages, 2u);
    EXPECT_EQ(window_->core().state().documentName, u"report.txt");
}

TEST_F(StatusWindowTest, PortChangeAsksForARelaunch) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    SendMessageW(w, WM_TIMER, timer::kPortWatch, 0);
    EXPECT_TRUE(IsWindow(w)) << "same port";
    ASSERT_TRUE(printer_->setPort("LPT1:"));
    SendMessageW(w, WM_TIMER, timer::kPortWatch, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(window_->core().state().relaunch);
    EXPECT_EQ(utf8(toWide(window_->core().state().portText)), "LPT1:");
    printer_->setPort("FILE:");
}

// ---- the program as a process ---------------------------------------------------------------

DWORD runProgram(const std::wstring& arguments, DWORD timeoutMs, HWND* windowSeen = nullptr) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder = exe;
    folder.resize(folder.find_last_of(L'\\'));
    std::wstring line = folder + L"\\ZRT7QSWK.EXE " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) return 0xFFFFFFFE;
    if (windowSeen != nullptr) {
        for (DWORD waited = 0; waited < timeoutMs && *windowSeen == nullptr; waited += 100) {
            *windowSeen = FindWindowW(L"PSWC1WindowClass", kPrinterW);
            if (*windowSeen == nullptr) Sleep(100);
        }
        if (*windowSeen != nullptr) SendMessageW(*windowSeen, message::kQuit, 0, 0);
    }
    DWORD code = 0xFFFFFFFF;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

TEST_F(StatusWindowTest, ProgramExitsSilentlyOnBadStarts) {
    struct Row {
        const char* row;
        const wchar_t* arguments;
    } rows[] = {
        {"no switches", L""},
        {"name without mode or port", L"!DZRT7Q Test KX"},
        {"unknown printer", L"!DNo Such Printer !PLPT1: !L1"},
    };
    for (const Row& r : rows) EXPECT_EQ(runProgram(r.arguments, 15000), 0u) << r.row;
}

TEST_F(StatusWindowTest, ProgramRunsOneWindowPerPrinter) {
    shell::InstanceMutex mutex;
    ASSERT_TRUE(mutex.take(u"ZRT7Q Test KX"));
    EXPECT_EQ(runProgram(L"!DZRT7Q Test KX !PFILE: !L1", 15000), 0u) << "a second copy exits";
    mutex.release();
    HWND seen = nullptr;
    EXPECT_EQ(runProgram(L"!DZRT7Q Test KX !L1", 20000, &seen), 0u);
    EXPECT_NE(seen, nullptr) << "the window of the printer appeared";
    EXPECT_EQ(settingValue(kPrinterW, L"IsQuitDuringPrinting", 99), 0u) << "written at every start";
}

}  // namespace
}  // namespace zrt::statuswindow::wine
