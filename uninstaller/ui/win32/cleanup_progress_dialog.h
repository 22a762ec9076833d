// The progress window of the runs (template 130): a text (1010) and a bar (1009, range 0..100)
// in a modeless window centred over its parent. Closing it by its close box or Alt+F4 does
// nothing: only the run that made it destroys it.
#pragma once

#include "uninstaller/frame/win32/dialog.h"
#include "uninstaller/frame/win32/progress_bar.h"
#include "uninstaller/ui/progress/run_ui.h"

namespace zrt::un::win32 {

inline constexpr int kProgressText = 1010;
inline constexpr int kProgressBar = 1009;

class CleanupProgressDialog final : public Dialog, public ProgressWindow {
public:
    CleanupProgressDialog(HINSTANCE instance, HWND parent);
    ~CleanupProgressDialog() override;
    // Creates the window modelessly (hidden); false on failure.
    bool create();

    void setTitle(const std::string& text) override;
    void setText(const std::string& text) override;
    void setPos(int position) override;
    void setStep(int step) override;
    void stepIt() override;
    void show() override;
    void hide() override;
    void activate() override;
    void repaint() override;

    HWND bar() const { return bar_.hwnd(); }

private:
    bool onInitDialog() override;
    bool onCommand(int id, int notification) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void centre();

    HWND parent_;
    ProgressBar bar_;
};

}  // namespace zrt::un::win32
