// The user interface a run presents itself through: the progress window, the dispatching of
// pending messages (with keys and clicks thrown away), the main window's repaint and the wait
// cursor; and the presentation rules every run follows.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "uninstaller/frame/session.h"
#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

// Progress texts of the string table.
inline constexpr unsigned kProgressChecking = 62;
inline constexpr unsigned kProgressRemovingPrinters = 63;
inline constexpr unsigned kProgressRemovingRegistry = 64;
inline constexpr unsigned kProgressRemovingDrivers = 65;
inline constexpr int kProgressRangeLow = 0;
inline constexpr int kProgressRangeHigh = 100;

// The modeless progress window (template 130). Destroying the object destroys the window.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void setTitle(const std::string& text) = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setPos(int position) = 0;
    virtual void setStep(int step) = 0;
    virtual void stepIt() = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void activate() = 0;
    // Draws the window at once.
    virtual void repaint() = 0;
};

class RunUi {
public:
    virtual ~RunUi() = default;
    // A progress window with the main window as parent; null when it cannot be created.
    virtual std::unique_ptr<ProgressWindow> createProgress() = 0;
    // Throws away pending keyboard and mouse-click messages, then dispatches the others.
    virtual void FlushUserInput() = 0;
    // Translates and dispatches pending messages until the queue is empty.
    virtual void dispatchPending() = 0;
    virtual void pause(unsigned milliseconds) = 0;
    virtual void repaintMainWindow() = 0;
    virtual void showWaitCursor(bool on) = 0;
};

// The progress window of a run: only while `interactive`; when it cannot be created,
// `interactive` is cleared for the rest of the process. Title set, position 1, step 1.
std::unique_ptr<ProgressWindow> openRunProgress(Session& session, RunUi& ui,
                                                const std::string& title);

// Writes a string-table text into the window (nothing without a window).
void showProgressText(ProgressWindow* progress, TextServices& text, unsigned stringId);

// A message box during a run: the progress window is hidden before it and shown again after
// it, and the main window is repainted. Returns what `box` returns.
template <class Box>
auto boxDuringRun(ProgressWindow* progress, RunUi& ui, Box&& box) {
    if (progress != nullptr) {
        progress->hide();
    }
    auto answer = std::forward<Box>(box)();
    if (progress != nullptr) {
        progress->show();
    }
    ui.repaintMainWindow();
    return answer;
}

}  // namespace zrt::un
