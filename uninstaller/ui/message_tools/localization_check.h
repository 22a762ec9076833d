// The localization check of the progress window's texts: a walk through the run's progress
// steps, forward and back, each shown for the configured interval.
#pragma once

#include <array>
#include <string>

#include "uninstaller/frame/session.h"
#include "uninstaller/frame/system/machine.h"
#include "uninstaller/ui/progress/run_ui.h"

namespace zrt::un {

struct LocalizationStep {
    unsigned textId;
    int barPosition;
};

inline constexpr std::array<LocalizationStep, 4> kLocalizationSteps = {{
    {kProgressChecking, 1},
    {kProgressRemovingPrinters, 20},
    {kProgressRemovingRegistry, 25},
    {kProgressRemovingDrivers, 60},
}};
inline constexpr unsigned kLocalizationSlice = 100;  // milliseconds

inline constexpr const char* kLocalizationTitle = "Localization check";
inline constexpr const char* kLocalizationStart = "Do you check status sequences?";
inline constexpr const char* kLocalizationContinue =
    "Do you continue a check of status sequences?\n\n [Yes]... Next status\n [No] ... Previous "
    "status\n [Cancel]... Exit localization check";
inline constexpr const char* kLocalizationStepTitle = " Localization check [%d / 4]";
inline constexpr std::uint32_t kBoxWarningYesNo = 0x34;
inline constexpr std::uint32_t kBoxWarningYesNoCancel = 0x33;

// The number of 100 ms slices one step waits: (interval + 100) / 100, none when negative.
int localizationSlices(int intervalMs);
// " Localization check [n / 4]".
std::string localizationStepTitle(int step);

// Runs the walk; the boxes are owned by the main window. Does nothing when the progress
// window cannot be created.
void runLocalizationCheck(Machine& machine, const Session& session, RunUi& ui,
                          const std::string& title, int intervalMs);

}  // namespace zrt::un
