#include "statuswindow/jobcontrol/cleaning_page.h"

namespace zrt::statuswindow::jobcontrol {

Text cleaningFilePath(TextView systemDirectory) {
    Text path(systemDirectory);
    path += kCleaningFileBelowSystemDirectory;
    return path;
}

const char* describe(CleaningResult result) noexcept {
    switch (result) {
        case CleaningResult::Submitted: return "Submitted";
        case CleaningResult::PrinterNotOpened: return "PrinterNotOpened";
        case CleaningResult::FileMissing: return "FileMissing";
        case CleaningResult::AddJobFailed: return "AddJobFailed";
        case CleaningResult::CopyFailed: return "CopyFailed";
        case CleaningResult::ScheduleFailed: return "ScheduleFailed";
    }
    return "?";
}

}  // namespace zrt::statuswindow::jobcontrol
