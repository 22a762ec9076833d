// The job list (child 508): a report-view list with the two columns and three fixed rows of
// the job pane. Its own procedure keeps rows from being selected by mouse, passes typed
// characters to the main window and refreshes column 1 whenever it paints.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "presentation/window_frame/window_layout.h"
#include "statuswindow/jobcontrol/job_pane.h"

namespace zrt::statuswindow::shell_jobs {

inline constexpr int kJobListId = 508;

using Column1Texts = std::array<Text, jobcontrol::kJobListRowCount>;

// What the list asks of the main window.
struct JobListHooks {
    std::function<void()> touchUser;        // set the user-touched flag, stop timer 8
    std::function<Column1Texts()> column1;  // the document, user and computer texts now
};

// A string of a module's table (the program's own or the presentation library's), or none
// when it cannot be loaded.
std::optional<Text> loadProgramString(HINSTANCE module, std::uint32_t id);

// Creates the list at the layout's job list rectangle. hooks must outlive the list.
HWND createJobList(HWND parent, HINSTANCE module, const presentation::WindowLayout& layout,
                   const JobListHooks* hooks);

// Column 1 of the three rows; a text that did not change is not set again.
void setColumn1(HWND list, const Column1Texts& texts);

// NM_KILLFOCUS: no row stays selected or focused.
void clearSelection(HWND list);

// Background and text background in the button face colour (creation, WM_SYSCOLORCHANGE).
void applyListColours(HWND list);

}  // namespace zrt::statuswindow::shell_jobs
