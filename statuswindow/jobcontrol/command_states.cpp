#include "statuswindow/jobcontrol/command_states.h"

namespace zrt::statuswindow::jobcontrol {

namespace {

namespace menu_state = presentation::menu_state;
namespace toolbar_state = presentation::toolbar_state;

// The state a set gives a command, or fallback when the set is missing or lacks the command.
std::uint32_t stateIn(const CommandStateSet* set, std::uint32_t command, std::uint32_t fallback) noexcept {
    if (set == nullptr) return fallback;
    for (const CommandState& s : *set)
        if (s.command == command) return s.state;
    return fallback;
}

CommandStateSet statesFor(const CommandStateSet* set, bool grayed, std::uint32_t grayState) noexcept {
    CommandStateSet out{};
    for (std::size_t i = 0; i < kJobCommands.size(); ++i) {
        const std::uint32_t cmd = kJobCommands[i];
        out[i] = CommandState{cmd, grayed ? grayState : stateIn(set, cmd, grayState)};
    }
    return out;
}

std::uint32_t find(const CommandStateSet& set, std::uint32_t command, std::uint32_t fallback) noexcept {
    return stateIn(&set, command, fallback);
}

}  // namespace

std::uint32_t JobCommandStates::menuState(std::uint32_t command) const noexcept {
    return find(menu, command, menu_state::kGrayed);
}

std::uint32_t JobCommandStates::toolbarState(std::uint32_t command) const noexcept {
    return find(toolbar, command, toolbar_state::kDisabled);
}

JobCommandStates jobCommandStates(const JobOwnership& owner, const status::StatusRecordView* record,
                                  const CommandStateSet* menuStates, const CommandStateSet* toolbarStates) {
    const bool grayed = jobCommandsGrayed(owner.attachmentKind, owner.userMatch, owner.computerMatch, record);
    return {statesFor(menuStates, grayed, menu_state::kGrayed),
            statesFor(toolbarStates, grayed, toolbar_state::kDisabled)};
}

OptionStates optionStates(const JobOwnership& owner, const status::StatusRecordView* record, bool lockOut,
                          std::uint32_t displayId) noexcept {
    return optionMenuStates(owner.attachmentKind, record, lockOut, displayId);
}

}  // namespace zrt::statuswindow::jobcontrol
