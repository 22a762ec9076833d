// Rules of the job pane: what the job list shows, when the job commands are grayed whatever
// the display says, and the states of the option menu items and the consumables button.
#pragma once

#include <cstdint>

#include "statuswindow/core/text.h"
#include "statuswindow/record/status_record.h"

namespace zrt::statuswindow {

inline constexpr std::size_t kMaxJobUserChars = 256;
inline constexpr std::size_t kMaxJobComputerChars = 15;

// Column 1 of the three rows: document, user, computer.
struct JobListRows {
    Text document;
    Text user;
    Text computer;
};
JobListRows jobListContents(const status::StatusRecordView* record, TextView documentName);

// Pause, Resume and Cancel are grayed in menu and toolbar: not local, and neither user nor
// computer matches, or a record with job id 0 is held.
bool jobCommandsGrayed(std::uint32_t attachmentKind, int userMatch, int computerMatch,
                       const status::StatusRecordView* record) noexcept;

// Toolbar states (TBSTATE_*) the consumables button takes.
inline constexpr std::uint32_t kButtonDisabled = 0;
inline constexpr std::uint32_t kButtonEnabled = 0x04;
inline constexpr std::uint32_t kButtonIndeterminate = 0x10;

struct OptionMenuStates {
    bool cleaning = false;     // 104
    bool calibration = false;  // 134
    bool paperSize = false;    // 135
    bool consumables = false;  // 105
    std::uint32_t consumablesButton = kButtonDisabled;
};
OptionMenuStates optionMenuStates(std::uint32_t attachmentKind, const status::StatusRecordView* record,
                                  bool lockOut, std::uint32_t displayId) noexcept;

}  // namespace zrt::statuswindow
