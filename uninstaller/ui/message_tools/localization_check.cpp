#include "uninstaller/ui/message_tools/localization_check.h"

#include <algorithm>

#include "uninstaller/frame/system/message_boxes.h"

namespace zrt::un {
namespace {

void showEndRow(ProgressWindow& progress) {
    progress.setText("");
    progress.setPos(0);
    progress.repaint();
}

void showStep(Machine& machine, RunUi& ui, ProgressWindow& progress, int step, int slices) {
    const LocalizationStep& s = kLocalizationSteps[static_cast<std::size_t>(step - 1)];
    progress.setPos(s.barPosition);
    progress.setText(machine.text.loadString(s.textId));
    progress.repaint();
    for (int i = 0; i < slices; ++i) {
        ui.pause(kLocalizationSlice);
        ui.FlushUserInput();
    }
}

// Steps forward and back until the walk leaves the table or is cancelled.
void walkSteps(Machine& machine, const Session& session, RunUi& ui, ProgressWindow& progress,
               int slices) {
    const int last = static_cast<int>(kLocalizationSteps.size());
    int step = 1;
    while (step >= 1 && step <= last) {
        showStep(machine, ui, progress, step, slices);
        const int answer = machine.boxes.show(session.mainWindow, kLocalizationContinue,
                                              localizationStepTitle(step), kBoxWarningYesNoCancel);
        if (answer == kAnswerYes) {
            ++step;
        } else if (answer == kAnswerNo) {
            --step;
        } else {
            break;
        }
    }
    showEndRow(progress);
}

}  // namespace

int localizationSlices(int intervalMs) {
    // Summed in 64 bits: an interval near the largest int from the INI file must not wrap.
    const long long slices = (static_cast<long long>(intervalMs) + kLocalizationSlice) / kLocalizationSlice;
    return static_cast<int>(std::max(0LL, slices));
}

std::string localizationStepTitle(int step) {
    std::string title = kLocalizationStepTitle;
    title.replace(title.find("%d"), 2, std::to_string(step));
    return title;
}

void runLocalizationCheck(Machine& machine, const Session& session, RunUi& ui,
                          const std::string& title, int intervalMs) {
    auto progress = ui.createProgress();
    if (progress == nullptr) {
        return;
    }
    progress->setPos(0);
    progress->setTitle(title);
    progress->setText("");
    const int slices = localizationSlices(intervalMs);
    while (machine.boxes.show(session.mainWindow, kLocalizationStart, kLocalizationTitle,
                              kBoxWarningYesNo) == kAnswerYes) {
        progress->show();
        walkSteps(machine, session, ui, *progress, slices);
    }
}

}  // namespace zrt::un
