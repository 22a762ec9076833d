#include "presentation/window_frame/frame_texts.h"

namespace zrt::presentation {
namespace {

struct IdPair {
    std::uint32_t key;
    std::uint32_t stringId;
};

constexpr IdPair kCommandHelp[] = {
    {100, 5001}, {101, 5002}, {103, 5004}, {104, 5008}, {105, 5021}, {106, 5020},
    {120, 5006}, {130, 5010}, {133, 5011}, {134, 5022}, {135, 5023},
    {system_command::kSize, 5015},     {system_command::kMove, 5014},
    {system_command::kMinimize, 5016}, {system_command::kMaximize, 5017},
    {system_command::kClose, 5018},    {system_command::kRestore, 5013},
};

// Popups of the main window's menu by position: Job, Option, Help.
constexpr IdPair kWindowMenuPopupHelp[] = {{0, 5000}, {1, 5005}, {2, 5009}};

constexpr IdPair kToolTips[] = {{100, 5100}, {101, 5101}, {103, 5103}, {105, 5105}, {106, 5104}};

// Position of the Utility popup inside the Option popup.
constexpr std::uint32_t kUtilityPopupPosition = 5;
constexpr std::uint32_t kUtilityHelp = 5024;
constexpr std::uint32_t kSystemMenuHelp = 5012;

template <std::size_t N>
std::uint32_t lookup(const IdPair (&table)[N], std::uint32_t key) {
    for (const IdPair& pair : table) {
        if (pair.key == key) return pair.stringId;
    }
    return kNoHelpString;
}

}  // namespace

std::uint32_t menuHelpStringId(std::uint32_t item, std::uint32_t flags, bool inWindowMenu) {
    if ((flags & kMenuFlagPopup) != 0) {
        if (inWindowMenu) return lookup(kWindowMenuPopupHelp, item);
        return item == kUtilityPopupPosition ? kUtilityHelp : kSystemMenuHelp;
    }
    return lookup(kCommandHelp, item);
}

std::uint32_t toolTipStringId(std::uint32_t command) { return lookup(kToolTips, command); }

std::u16string_view fileNameFor(int kind) {
    switch (static_cast<FileNameKind>(kind)) {
        case FileNameKind::CompanionLibrary: return kCompanionLibraryName;
        case FileNameKind::HelpFile: return kHelpFileName;
    }
    return {};
}

}  // namespace zrt::presentation
