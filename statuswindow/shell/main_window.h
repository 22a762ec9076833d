// The status window's main window (class "PSWC1WindowClass"): its children, its window
// procedure (which only routes to the core and the painters) and the host side of the core:
// every effect the core decides is carried out here at once.
#pragma once

#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>

#include <memory>
#include <optional>

#include "presentation/psm_interface.h"
#include "statuswindow/core/window_core.h"
#include "statuswindow/shell/handles.h"
#include "statuswindow/shell/instance_mutex.h"
#include "statuswindow/shell/libraries.h"
#include "statuswindow/shell/picture_cache.h"
#include "statuswindow/shell/resource_strings.h"
#include "statuswindow/shell/settings_store.h"
#include "statuswindow/jobcontrol/job_actions.h"
#include "statuswindow/shell_jobs/help_runner.h"
#include "statuswindow/shell_jobs/job_list.h"
#include "statuswindow/sounds/sound_table.h"

namespace zrt::statuswindow::shell {

inline constexpr wchar_t kMainWindowClass[] = L"PSWC1WindowClass";
inline constexpr wchar_t kProgressPaneClass[] = L"ProgressBarWindowClass";
inline constexpr wchar_t kNotifyIconClass[] = L"psw_notifyicon";

struct StartParameters {
    Text printerName;
    Text portText;
    std::uint32_t launchMode = 0;
    bool noActivate = false;
    HANDLE spooler = nullptr;          // the program's spooler handle (not owned)
    InstanceMutex* mutex = nullptr;    // retaken on a rename (not owned; may be null)
};

class MainWindow : public WindowHost {
public:
    // Registers "PSWC1WindowClass" and "ProgressBarWindowClass" (arrow cursor, button-face
    // brush, no icon, no menu).
    static bool registerClasses(HINSTANCE instance);
    // Main window creation; null when the window cannot be created.
    static std::unique_ptr<MainWindow> create(HINSTANCE instance, BoundLibraries libraries, StartParameters start);

    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }
    WindowCore& core() noexcept { return core_; }
    HWND child(Pane pane) const noexcept;
    bool alwaysOnTop() const noexcept { return alwaysOnTop_; }
    DWORD sessionId() const noexcept { return sessionId_; }
    MonitorLibrary& monitor() noexcept { return libs_.monitor; }
    HANDLE monitorHandle() const noexcept { return monitorHandle_; }

    // Start-up step 13: SmPsw_OpenPrinter; false when the library refuses.
    bool openMonitor();
    // Job menu items and toolbars, and with it the option menu items.
    void refreshJobCommands(bool withOptionMenu);
    void reevaluateOptionMenu();
    void jobRequest(std::uint32_t code, std::uint32_t value);
    // The help calls (WinHelpW, or a recorder in tests).
    const shell_jobs::HelpRunner& help() const noexcept { return help_; }
    void setHelpRunner(shell_jobs::HelpRunner help) { help_ = std::move(help); }

    // WindowHost
    void apply(const Effect& effect) override;
    WindowFacts facts() override;
    std::optional<Display> mapDisplay(std::uint32_t previousId, const std::uint8_t* data, std::size_t size,
                                      std::uint32_t kind) override;
    bool requestStatus(std::uint32_t flag) override;
    std::uint32_t readSetting(TextView name, std::uint32_t defaultValue) override;
    DumpFacts matchFacts(const status::StatusRecordView* record) override;
    std::optional<Text> derivePortText() override;
    const ProgramStrings& strings() override { return strings_; }

private:
    MainWindow(HINSTANCE instance, BoundLibraries libraries, StartParameters start);

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK childProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK progressProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static MainWindow* fromChild(HWND child);

    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handleChild(HWND child, WNDPROC previous, UINT msg, WPARAM wParam, LPARAM lParam);
    bool createWindow();
    void createChildren();
    HWND createChild(Pane pane, const wchar_t* cls, DWORD style, DWORD exStyle, const presentation::Rect16& r,
                     const wchar_t* text = L"");
    void subclass(HWND child);
    void afterCreation();
    void onCreate();
    void onDestroy();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onCopyData(WPARAM wParam, const COPYDATASTRUCT* data);
    void onMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT onContextMenu(WPARAM wParam, LPARAM lParam);
    void runJobActions(const std::vector<jobcontrol::JobAction>& actions);
    void openPreferences();
    void playSound(TextView soundName);
    LRESULT onNotify(const NMHDR* header);
    void paintSeparators();
    void paintPicture(HWND pane);
    void paintHeadline(HWND pane);
    void paintIcon(HWND pane);
    void paintProgress(HWND pane);
    shell_jobs::Column1Texts jobListTexts() const;
    void setStatusBarText(TextView text);
    std::optional<status::StatusRecordView> record() const { return core_.recordView(); }
    SettingsStore settings() const { return SettingsStore(core_.state().printerName); }

    HINSTANCE instance_;
    BoundLibraries libs_;
    StartParameters start_;
    ResourceStrings strings_;
    WindowCore core_;
    HWND hwnd_ = nullptr;
    psm::DisplayRecord raw_{};
    presentation::WindowLayout layout_{};
    Menu menu_;
    HANDLE monitorHandle_ = nullptr;
    DWORD sessionId_ = 0;
    bool alwaysOnTop_ = false;
    std::uint32_t soundMessage_ = 0;
    std::uint32_t statusSense_ = 2;
    bool waveDevice_ = false;
    sounds::SoundTable soundTable_;
    shell_jobs::HelpRunner help_{std::nullopt};
    shell_jobs::JobListHooks jobListHooks_;
    Palette palette_;
    PictureCache pictureCache_;
    HIMAGELIST listImages_ = nullptr;
    HWND jobToolbar_ = nullptr;
    HWND infoToolbar_ = nullptr;
    HWND children_[16] = {};
    bool quietDestroy_ = false;
};

}  // namespace zrt::statuswindow::shell
