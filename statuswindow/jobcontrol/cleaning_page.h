// The cleaning page: a ready-made print file installed beside the status window program, handed
// to the spooler as a job of the printer. Every failure ends the submission silently; the
// window grays Cleaning, Calibration and Paper size afterwards in every case.
#pragma once

#include <cstddef>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::jobcontrol {

inline constexpr char16_t kCleaningFileBelowSystemDirectory[] = u"\\spool\\drivers\\w32x86\\3\\ZRT7QCL.BIN";

// The cleaning file below the system directory.
Text cleaningFilePath(TextView systemDirectory);

// AddJobW level 1 is first called with this many bytes, then once more with the size the
// spooler asked for.
inline constexpr std::size_t kAddJobFirstBufferBytes = 268;

// How a submission ended (never shown to the user; the tests read it).
enum class CleaningResult {
    Submitted,
    PrinterNotOpened,
    FileMissing,
    AddJobFailed,
    CopyFailed,
    ScheduleFailed,
};

const char* describe(CleaningResult result) noexcept;

}  // namespace zrt::statuswindow::jobcontrol
