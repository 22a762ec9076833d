// The job pane: the job list's two columns and three fixed rows with their titles (program
// strings, with English texts where a string cannot be loaded), what column 1 shows, and what
// the window does with the list's notifications.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "presentation/window_frame/window_layout.h"
#include "statuswindow/core/job_commands.h"
#include "statuswindow/core/text.h"
#include "statuswindow/resource_ids.h"

namespace zrt::statuswindow::jobcontrol {

// A title: the program's string, or the fallback when that cannot be loaded.
struct Title {
    std::uint32_t stringId;
    std::u16string_view fallback;
};

struct JobListColumn {
    std::uint32_t width;
    Title title;
};

inline constexpr std::size_t kJobListColumnCount = 2;
inline constexpr std::size_t kJobListRowCount = 3;

// Row titles of column 0: document, user, computer.
inline constexpr std::array<Title, kJobListRowCount> kJobListRowTitles{{
    {IDS_JOB_ROW_DOCUMENT, u"Document name"},
    {IDS_JOB_ROW_USER, u"User name"},
    {IDS_JOB_ROW_COMPUTER, u"Computer name"},
}};

// Caption above the list.
inline constexpr std::uint32_t kJobListCaptionId = IDS_JOB_LIST_CAPTION;

// The two columns with the widths of the layout record.
std::array<JobListColumn, kJobListColumnCount> jobListColumns(const presentation::WindowLayout& layout) noexcept;

// The loaded string, or the title's fallback when none could be loaded (std::nullopt or empty).
Text titleText(const Title& title, const std::optional<Text>& loaded);

// Column 1 of the three rows, in row order; all empty unless a job is being printed without
// trouble (see jobListContents).
std::array<Text, kJobListRowCount> jobListColumn1(const status::StatusRecordView* record, TextView documentName);

// What the main window does for a notification of the job list.
enum class JobListNotification {
    Click,                // NM_CLICK
    KillFocus,            // NM_KILLFOCUS
    DividerDoubleClick,   // HDN_DIVIDERDBLCLICK of the list's header
    Other,
};
struct JobListReaction {
    bool touchUser = false;           // set the user-touched flag and stop timer 8
    bool clearSelection = false;      // clear the selected and focused state of every row
    bool refreshJobCommands = false;  // job menu items and toolbars again
    bool repaintWindow = false;       // repaint the main window
};
JobListReaction reactionTo(JobListNotification notification) noexcept;

// What the list's own procedure does with a message it receives. Rows cannot be selected by
// mouse: presses never reach the control, but count as user interaction.
enum class JobListInput {
    MouseButtonDown,  // any mouse button pressed or double-clicked
    Command,          // WM_COMMAND
    Character,        // WM_CHAR
    Other,
};
struct JobListInputHandling {
    bool touchUser = false;          // set the user-touched flag and stop timer 8 first
    bool forwardToMainWindow = false;  // send the message to the main window first
    bool swallow = false;            // do not hand it to the list control
};
JobListInputHandling handlingOf(JobListInput input) noexcept;

}  // namespace zrt::statuswindow::jobcontrol
