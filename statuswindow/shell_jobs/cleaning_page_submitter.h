// Submits the cleaning page: the printer opened by name, the cleaning file below the system
// directory handed to the spooler with AddJobW, CopyFileW and ScheduleJob.
#pragma once

#include <windows.h>

#include <string>

#include "statuswindow/jobcontrol/cleaning_page.h"

namespace zrt::statuswindow::shell_jobs {

// AddJobW's shape; the program uses AddJobW itself, tests a wrapper that can ask for more room.
using AddJobFn = BOOL(WINAPI*)(HANDLE printer, DWORD level, LPBYTE data, DWORD size, LPDWORD needed);

// systemDirectory: where the cleaning file's folder lies (GetSystemDirectoryW in the program).
jobcontrol::CleaningResult submitCleaningPage(const std::wstring& printerName, const std::wstring& systemDirectory,
                                              AddJobFn addJob = nullptr);

// The system directory (GetSystemDirectoryW), empty when it cannot be read.
std::wstring systemDirectory();

}  // namespace zrt::statuswindow::shell_jobs
