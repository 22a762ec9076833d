// The status window's main window in-process under Wine, over the real presentation library
// and the status-monitor stand-in, for a family printer installed in the prefix.
#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "main_window_fixture.h"
#include "statuswindow/core/command_line.h"
#include "statuswindow/core/texts.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/resource_ids.h"
#include "statuswindow/shell/application.h"
#include "statuswindow/core/gradient.h"
#include "statuswindow/shell/main_window.h"
#include "statuswindow/shell/picture_cache.h"
#include "statuswindow/shell/resource_strings.h"
#include "statuswindow/shell_jobs/job_list.h"
#include "statuswindow/shell/spooler.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::wine {
namespace {

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
    return toWide(shell_jobs::loadProgramString(GetModuleHandleW(L"ZRT7QPMU.DLL"), id).value_or(Text()));
}

std::wstring ownString(UINT id) { return toWide(shell_jobs::loadProgramString(GetModuleHandleW(nullptr), id).value_or(Text())); }

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

class StatusWindowTest : public MainWindowFixture {
protected:
    StatusWindowTest() : MainWindowFixture(L"zrt_swk_calls.log") {}
    static void SetUpTestSuite() { setUpSuite(kPrinter); }

    HWND open(std::uint32_t launchMode = 0, shell::InstanceMutex* mutex = nullptr) {
        return openWindow(StartParameters{shell::fromWide(kPrinterW), u"FILE:", launchMode, true, nullptr, mutex});
    }
};

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
    ASSERT_FALSE(presentationString(5403).empty());
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

// A long message fills the detail pane, whose edit control then reports scrolling to the
// window; that is not the user touching the window, so the job's end still closes it.
TEST_F(StatusWindowTest, JamThenEndedJobStillClosesTheUntouchedWindow) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    ShowWindow(w, SW_SHOWNA);
    // As the start-up does for an automatic start, once the window stands.
    window_->core().state().userTouched = false;
    deliver(w, 1, job(0, 0x8));
    deliver(w, 1, job(0x800000, 0x8));
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(502, EN_VSCROLL), reinterpret_cast<LPARAM>(GetDlgItem(w, 502)));
    EXPECT_FALSE(window_->core().state().userTouched);
    deliver(w, 1, job(0, 0x3));
    SendMessageW(w, WM_TIMER, timer::kAutoClose, 0);
    EXPECT_FALSE(IsWindow(w));
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

TEST_F(StatusWindowTest, MovingTheWindowStoresItsPlace) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    SetWindowPos(w, nullptr, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(settingValue(kPrinterW, L"Left", 0), 150u);
    EXPECT_EQ(settingValue(kPrinterW, L"Top", 0), 160u);
    EXPECT_TRUE(window_->core().state().userTouched);
}

TEST_F(StatusWindowTest, StoredPlaceIsKeptInsideTheWorkArea) {
    ASSERT_TRUE(setSettingValue(kPrinterW, L"Left", static_cast<DWORD>(-50)));
    ASSERT_TRUE(setSettingValue(kPrinterW, L"Top", 100000));
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, work.bottom);
    EXPECT_EQ(r.right - r.left, 439);
}

TEST_F(StatusWindowTest, RefusedFirstStatusIsRetriedByTimer5) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    SetEnvironmentVariableW(L"ZRT7QSMK_GETPRINTERSTATUS", L"0");
    window_->core().requestFirstStatus();
    EXPECT_EQ(window_->core().state().runningTimers.count(timer::kStatusRetry), 1u);
    SendMessageW(w, WM_TIMER, timer::kStatusRetry, 0);
    EXPECT_EQ(window_->core().state().runningTimers.count(timer::kStatusRetry), 1u) << "still refused";
    SetEnvironmentVariableW(L"ZRT7QSMK_GETPRINTERSTATUS", nullptr);
    SendMessageW(w, WM_TIMER, timer::kStatusRetry, 0);
    EXPECT_EQ(window_->core().state().runningTimers.count(timer::kStatusRetry), 0u);
    const std::string calls = log();
    EXPECT_NE(calls.find("flag=1 -> 0"), std::string::npos) << calls;
    EXPECT_NE(calls.find("flag=0 -> 1"), std::string::npos) << calls;
}

TEST_F(StatusWindowTest, ResetAsksForTheFullStatusAgain) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    deliver(w, 1, job(0, 0x8));
    SendMessageW(w, message::kReset, 0, 0);
    EXPECT_FALSE(window_->core().state().record.has_value());
    EXPECT_NE(log().find("flag=1 -> 1"), std::string::npos) << log();
}

TEST_F(StatusWindowTest, QuitRequestEndsTheLoopWithoutDestroying) {
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    COPYDATASTRUCT cds{1, 0, nullptr};
    SendMessageW(w, WM_COPYDATA, kQuitCopyDataWParam, reinterpret_cast<LPARAM>(&cds));
    EXPECT_TRUE(IsWindow(w));
    MSG msg{};
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// ---- painting into a memory context ---------------------------------------------------------

// A 32-bit top-down DIB section to paint into and read back.
class Canvas {
public:
    Canvas(int width, int height) : width_(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    Rgb at(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = static_cast<const std::uint32_t*>(bits_)[y * width_ + x];
        return Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
    }

private:
    int width_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

std::string str(const Rgb& c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// Colour index of pixel (x, y) of a 4-bit bottom-up bitmap resource.
int pixelIndex(const BITMAPINFOHEADER* h, int x, int y) {
    const std::size_t colours = h->biClrUsed != 0 ? h->biClrUsed : 16;
    const auto* bits = reinterpret_cast<const unsigned char*>(h) + h->biSize + colours * 4;
    const std::size_t stride = ((static_cast<std::size_t>(h->biWidth) * 4 + 31) / 32) * 4;
    const unsigned char byte = bits[static_cast<std::size_t>(h->biHeight - 1 - y) * stride + static_cast<std::size_t>(x) / 2];
    return x % 2 == 0 ? byte >> 4 : byte & 0xF;
}

TEST(PictureDrawing, GradientShowsThroughMagentaAndThePictureCoversTheRest) {
    const HMODULE library = LoadLibraryW(L"ZRT7QPMU.DLL");
    ASSERT_NE(library, nullptr);
    const HRSRC picture = FindResourceW(library, MAKEINTRESOURCEW(304), MAKEINTRESOURCEW(2));
    ASSERT_NE(picture, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(library, picture)));
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->biBitCount, 4) << "16-colour picture";
    const auto* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const unsigned char*>(header) + header->biSize);

    const int width = 127, height = 126;
    Canvas canvas(width, height);
    shell::Palette palette = shell::paletteFromBitmap(GetModuleHandleW(nullptr), IDB_PALETTE);
    ASSERT_TRUE(palette);
    shell::PictureCache cache;
    cache.paint(canvas.dc(), SIZE{width, height}, library, picture, kBackgroundError, palette.get());
    EXPECT_EQ(cache.pictureSize().cx, header->biWidth);

    // Below the picture: the gradient alone, band 40 at the bottom.
    EXPECT_EQ(str(canvas.at(5, height - 1)), str(bandColour(kBackgroundError, 40)));
    EXPECT_EQ(str(canvas.at(126, 0)), str(bandColour(kBackgroundError, 1)));
    // Inside the picture: magenta pixels show the gradient, others the picture's colour.
    int transparentSeen = 0, opaqueSeen = 0;
    for (int y = 0; y < header->biHeight && y < height; y += 7) {
        for (int x = 0; x < header->biWidth && x < width; x += 5) {
            const RGBQUAD q = table[pixelIndex(header, x, y)];
            const bool magenta = q.rgbRed == 255 && q.rgbGreen == 0 && q.rgbBlue == 255;
            int band = 1;
            while (band < 40 && y >= band * height / 40) ++band;
            const Rgb expected = magenta ? bandColour(kBackgroundError, band) : Rgb{q.rgbRed, q.rgbGreen, q.rgbBlue};
            EXPECT_EQ(str(canvas.at(x, y)), str(expected)) << "pixel " << x << "," << y;
            (magenta ? transparentSeen : opaqueSeen)++;
        }
    }
    EXPECT_GT(transparentSeen, 0);
    EXPECT_GT(opaqueSeen, 0);
    FreeLibrary(library);
}

TEST(PictureDrawing, ServiceErrorGradientIsMirrored) {
    Canvas canvas(40, 126);
    shell::PictureCache cache;
    cache.paint(canvas.dc(), SIZE{40, 126}, nullptr, nullptr, kBackgroundServiceError, nullptr);
    for (int y = 0; y < 63; ++y) EXPECT_EQ(str(canvas.at(3, y)), str(canvas.at(3, 125 - y))) << "row " << y;
    EXPECT_EQ(str(canvas.at(3, 63)), str(bandColour(kBackgroundServiceError, 40)));
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


// The relaunched copy is started from the driver folder of the system directory, as installed.
class InstalledProgram {
public:
    InstalledProgram() {
        wchar_t system[MAX_PATH] = {};
        GetSystemDirectoryW(system, MAX_PATH);
        folder_ = std::wstring(system) + L"\\spool\\drivers\\w32x86\\3\\";
        for (const wchar_t* part : {L"\\spool", L"\\spool\\drivers", L"\\spool\\drivers\\w32x86", L"\\spool\\drivers\\w32x86\\3"})
            CreateDirectoryW((std::wstring(system) + part).c_str(), nullptr);
        wchar_t exe[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring from = exe;
        from.resize(from.find_last_of(L'\\') + 1);
        for (const wchar_t* file : kFiles) ok_ = CopyFileW((from + file).c_str(), (folder_ + file).c_str(), FALSE) && ok_;
    }
    ~InstalledProgram() {
        for (const wchar_t* file : kFiles) DeleteFileW((folder_ + file).c_str());
    }
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;
    bool ok() const { return ok_; }

private:
    static constexpr const wchar_t* kFiles[] = {L"ZRT7QSWK.EXE", L"ZRT7QPMU.DLL", L"ZRT7QSMK.DLL"};
    std::wstring folder_;
    bool ok_ = true;
};

TEST_F(StatusWindowTest, PortChangeStartsANewCopyWithTheNewPort) {
    const InstalledProgram installed;
    ASSERT_TRUE(installed.ok());
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder = exe;
    folder.resize(folder.find_last_of(L'\\'));
    std::wstring line = folder + L"\\ZRT7QSWK.EXE !DZRT7Q Test KX !PFILE: !L1";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi));
    HWND first = nullptr;
    for (int i = 0; i < 100 && first == nullptr; ++i) {
        first = FindWindowW(L"PSWC1WindowClass", kPrinterW);
        if (first == nullptr) Sleep(100);
    }
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(printer_->setPort("LPT1:"));

    // Within about 3 seconds the first copy quits and a new one opens the printer on LPT1:.
    bool relaunched = false;
    for (int i = 0; i < 150 && !relaunched; ++i) {
        relaunched = log().find("port=\"LPT1:\"") != std::string::npos && FindWindowW(L"PSWC1WindowClass", kPrinterW) != nullptr &&
                     FindWindowW(L"PSWC1WindowClass", kPrinterW) != first;
        if (!relaunched) Sleep(100);
    }
    EXPECT_TRUE(relaunched) << log();
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 15000), WAIT_OBJECT_0) << "the first copy ended";
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    if (const HWND second = FindWindowW(L"PSWC1WindowClass", kPrinterW)) {
        DWORD secondId = 0;
        GetWindowThreadProcessId(second, &secondId);
        const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, secondId);
        SendMessageW(second, message::kQuit, 0, 0);
        if (process != nullptr) {
            WaitForSingleObject(process, 15000);
            CloseHandle(process);
        }
    }
    printer_->setPort("FILE:");
}

}  // namespace
}  // namespace zrt::statuswindow::wine
