#include "uninstaller/ui/progress/run_ui.h"

namespace zrt::un {

std::unique_ptr<ProgressWindow> openRunProgress(Session& session, RunUi& ui,
                                                const std::string& title) {
    if (!session.interactive) {
        return nullptr;
    }
    auto progress = ui.createProgress();
    if (progress == nullptr) {
        session.interactive = false;
        return nullptr;
    }
    progress->setTitle(title);
    progress->setPos(1);
    progress->setStep(1);
    return progress;
}

void showProgressText(ProgressWindow* progress, TextServices& text, unsigned stringId) {
    if (progress != nullptr) {
        progress->setText(text.loadString(stringId));
    }
}

}  // namespace zrt::un
