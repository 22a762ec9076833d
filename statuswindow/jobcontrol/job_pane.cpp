#include "statuswindow/jobcontrol/job_pane.h"

namespace zrt::statuswindow::jobcontrol {

std::array<JobListColumn, kJobListColumnCount> jobListColumns(const presentation::WindowLayout& layout) noexcept {
    return {{
        {layout.columnWidths[0], {IDS_JOB_COLUMN_TITLE, u"Title"}},
        {layout.columnWidths[1], {IDS_JOB_COLUMN_CONTENTS, u"Contents"}},
    }};
}

Text titleText(const Title& title, const std::optional<Text>& loaded) {
    if (loaded && !loaded->empty()) return *loaded;
    return Text(title.fallback);
}

std::array<Text, kJobListRowCount> jobListColumn1(const status::StatusRecordView* record, TextView documentName) {
    JobListRows rows = jobListContents(record, documentName);
    return {std::move(rows.document), std::move(rows.user), std::move(rows.computer)};
}

JobListReaction reactionTo(JobListNotification notification) noexcept {
    JobListReaction r;
    switch (notification) {
        case JobListNotification::Click: r.touchUser = true; break;
        case JobListNotification::KillFocus:
            r.clearSelection = true;
            r.refreshJobCommands = true;
            break;
        case JobListNotification::DividerDoubleClick: r.repaintWindow = true; break;
        case JobListNotification::Other: break;
    }
    return r;
}

JobListInputHandling handlingOf(JobListInput input) noexcept {
    switch (input) {
        case JobListInput::MouseButtonDown: return {true, false, true};
        case JobListInput::Command: return {true, false, true};
        case JobListInput::Character: return {false, true, false};
        case JobListInput::Other: break;
    }
    return {};
}

}  // namespace zrt::statuswindow::jobcontrol
