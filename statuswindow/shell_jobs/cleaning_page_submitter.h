// Submits the cleaning page: the printer opened by name, the cleaning file below the system
// directory handed to the spooler with AddJobW, CopyFileW and ScheduleJob.
#pragma once

#include <string>

#include "statuswindow/jobcontrol/cleaning_page.h"

namespace zrt::statuswindow::shell_jobs {

// systemDirectory: where the cleaning file's folder lies (GetSystemDirectoryW in the program).
jobcontrol::CleaningResult submitCleaningPage(const std::wstring& printerName, const std::wstring& systemDirectory);

// The system directory (GetSystemDirectoryW), empty when it cannot be read.
std::wstring systemDirectory();

}  // namespace zrt::statuswindow::shell_jobs
