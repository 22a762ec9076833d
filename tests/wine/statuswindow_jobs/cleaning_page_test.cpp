#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "statuswindow/shell_jobs/cleaning_page_submitter.h"
#include "wine_jobs_support.h"

namespace zrt::statuswindow::wine {
namespace {

using jobcontrol::CleaningResult;
using shell_jobs::submitCleaningPage;

// A folder that stands in for the system directory, with the cleaning file's folders below it.
class FakeSystemDirectory {
public:
    FakeSystemDirectory() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"zrt-jobs-system";
        std::wstring path = root_;
        for (const wchar_t* part : {L"", L"\\spool", L"\\drivers", L"\\w32x86", L"\\3"}) {
            path += part;
            CreateDirectoryW(path.c_str(), nullptr);
        }
    }
    ~FakeSystemDirectory() {
        DeleteFileW(cleaningFile().c_str());
        for (const wchar_t* tail : {L"\\spool\\drivers\\w32x86\\3", L"\\spool\\drivers\\w32x86", L"\\spool\\drivers",
                                    L"\\spool", L""})
            RemoveDirectoryW((root_ + tail).c_str());
    }
    const std::wstring& path() const { return root_; }
    std::wstring cleaningFile() const { return root_ + L"\\spool\\drivers\\w32x86\\3\\ZRT7QCL.BIN"; }

private:
    std::wstring root_;
};

const char kCleaningBytes[] = "\x1b%-12345X@PJL JOB NAME=\"CLEANING\"\r\n\x1b%-12345X";

TEST(CleaningPage, SubmittedThroughTheSpoolerToTheFilePort) {
    const std::wstring output = L"C:\\zrt-jobs-cleaning-out.prn";
    DeleteFileW(output.c_str());
    FakeSystemDirectory system;
    ASSERT_TRUE(writeFile(system.cleaningFile(), kCleaningBytes));
    FilePortPrinter printer(L"ZRT Jobs Cleaning Printer", output);
    ASSERT_TRUE(printer.installed()) << "AddPrinterW failed: " << GetLastError();

    const CleaningResult result = submitCleaningPage(printer.name(), system.path());
    EXPECT_EQ(result, CleaningResult::Submitted) << "got " << jobcontrol::describe(result);
    EXPECT_TRUE(pumpUntil([&] { return readFile(output) == kCleaningBytes; }, 5000))
        << "the port file holds the cleaning page; got " << readFile(output).size() << " bytes";
    DeleteFileW(output.c_str());
}

// AddJobW as a spooler that wants more room than the first 268 bytes: the first call reports
// the size it needs, later calls go to the real spooler.
std::vector<DWORD> g_addJobSizes;
BOOL WINAPI addJobWantingMoreRoom(HANDLE printer, DWORD level, LPBYTE data, DWORD size, LPDWORD needed) {
    g_addJobSizes.push_back(size);
    if (g_addJobSizes.size() == 1) {
        *needed = 600;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    return AddJobW(printer, level, data, size, needed);
}

// A spooler that always asks for more room: the second refusal ends the submission.
BOOL WINAPI addJobNeverEnough(HANDLE, DWORD, LPBYTE, DWORD size, LPDWORD needed) {
    g_addJobSizes.push_back(size);
    *needed = size + 100;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
}

TEST(CleaningPage, AddJobRetriedOnceAtTheSizeTheSpoolerAsks) {
    const std::wstring output = L"C:\\zrt-jobs-cleaning-out3.prn";
    DeleteFileW(output.c_str());
    FakeSystemDirectory system;
    ASSERT_TRUE(writeFile(system.cleaningFile(), kCleaningBytes));
    FilePortPrinter printer(L"ZRT Jobs Cleaning Printer 3", output);
    ASSERT_TRUE(printer.installed());

    g_addJobSizes.clear();
    EXPECT_EQ(submitCleaningPage(printer.name(), system.path(), addJobWantingMoreRoom), CleaningResult::Submitted);
    EXPECT_EQ(g_addJobSizes, (std::vector<DWORD>{268, 600}));
    EXPECT_TRUE(pumpUntil([&] { return readFile(output) == kCleaningBytes; }, 5000));

    g_addJobSizes.clear();
    EXPECT_EQ(submitCleaningPage(printer.name(), system.path(), addJobNeverEnough), CleaningResult::AddJobFailed);
    EXPECT_EQ(g_addJobSizes, (std::vector<DWORD>{268, 368})) << "one retry only";
    DeleteFileW(output.c_str());
}

TEST(CleaningPage, FailuresEndSilentlyWithTheirReason) {
    FakeSystemDirectory system;
    EXPECT_EQ(submitCleaningPage(L"ZRT Jobs No Such Printer", system.path()), CleaningResult::PrinterNotOpened);

    FilePortPrinter printer(L"ZRT Jobs Cleaning Printer 2", L"C:\\zrt-jobs-cleaning-out2.prn");
    ASSERT_TRUE(printer.installed());
    DeleteFileW(system.cleaningFile().c_str());
    EXPECT_EQ(submitCleaningPage(printer.name(), system.path()), CleaningResult::FileMissing)
        << "no cleaning file: nothing reaches the spooler";
    EXPECT_EQ(GetFileAttributesW(L"C:\\zrt-jobs-cleaning-out2.prn"), INVALID_FILE_ATTRIBUTES);
}

TEST(CleaningPage, SystemDirectoryIsKnown) {
    const std::wstring dir = shell_jobs::systemDirectory();
    EXPECT_FALSE(dir.empty());
    EXPECT_NE(GetFileAttributesW(dir.c_str()), INVALID_FILE_ATTRIBUTES) << utf8(dir);
}

}  // namespace
}  // namespace zrt::statuswindow::wine
