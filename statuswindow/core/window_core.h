// The main window's behaviour between start-up and shutdown: status deliveries, timers, show
// requests, user interaction, the close paths and the paper animation. The core keeps the
// window-side state and tells its host what to do; the host answers the few questions the
// decisions need (is the window visible, what display does this status give, ...).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "statuswindow/core/display.h"
#include "statuswindow/core/effects.h"
#include "statuswindow/core/texts.h"
#include "statuswindow/record/status_record.h"

namespace zrt::statuswindow {

struct WindowFacts {
    bool visible = false;
    bool minimized = false;
};

class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Carries out one effect now.
    virtual void apply(const Effect& effect) = 0;
    virtual WindowFacts facts() = 0;
    // PSM_GetPSWDisplay(previous id, data, kind 0 status / 1 connection); std::nullopt when the
    // presentation library is not loaded or refuses.
    virtual std::optional<Display> mapDisplay(std::uint32_t previousId, const std::uint8_t* data,
                                              std::size_t size, std::uint32_t kind) = 0;
    // SmPsw_GetPrinterStatus(handle, flag): false when not accepted. May deliver status
    // synchronously (a nested delivery into the core).
    virtual bool requestStatus(std::uint32_t flag) = 0;
    virtual std::uint32_t readSetting(TextView name, std::uint32_t defaultValue) = 0;
    // Attachment kind of the printer and the user and computer match against record (nullptr:
    // none held).
    virtual DumpFacts matchFacts(const status::StatusRecordView* record) = 0;
    // The port text derived from the printer again; std::nullopt when that fails.
    virtual std::optional<Text> derivePortText() = 0;
    virtual const ProgramStrings& strings() = 0;
};

// The paper animation: running flag, current frame (0 none, else 1-based index into the
// display's frames).
struct AnimationState {
    bool running = false;
    std::uint32_t frameIndex = 0;
};

struct WindowState {
    Text printerName;
    Text portText;
    std::uint32_t launchMode = 0;
    bool noActivate = false;
    std::uint32_t showing = 0;  // "Showing": 0 show when printing starts, 1 only on errors
    bool monitorLoaded = true;
    bool userTouched = false;
    bool restoredByStatus = false;
    bool relaunch = false;
    bool closing = false;

    std::optional<std::vector<std::uint8_t>> record;  // the held status record
    std::array<std::uint32_t, 6> previousFields{};     // fields 0x04..0x18 of the previous record
    std::uint32_t lastPrinterStatus = 0;
    Display display;
    std::uint32_t previousDisplayId = display_id::kNone;
    Text documentName;
    std::uint32_t totalPages = 0;
    std::uint32_t currentPage = 0;
    std::uint32_t pagesPrinted = 0;
    bool lockOut = false;
    AnimationState animation;
    Text headlineText;
    Text detailText;
    std::set<std::uint32_t> runningTimers;

    std::uint32_t previousPrinterStatus() const noexcept { return previousFields[0]; }
};

// Longest document name kept from a record.
inline constexpr std::size_t kMaxDocumentNameChars = 520;

class WindowCore {
public:
    explicit WindowCore(WindowHost& host) : host_(host) {}

    WindowState& state() noexcept { return s_; }
    const WindowState& state() const noexcept { return s_; }

    // The view of the held record, or nullptr.
    std::optional<status::StatusRecordView> recordView() const;

    // The first display (main window creation); makes its first frame current when it has any.
    void setInitialDisplay(Display display);
    // WM_CREATE: the live copies of the settings and the port watch.
    void onCreate();

    // WM_COPYDATA with a delivery kind (1 status, 2 connection, 3 rename).
    void onDelivery(std::uint32_t kind, const std::uint8_t* data, std::size_t size);
    void onTimer(std::uint32_t id);
    void onShowRequest(std::uintptr_t mode);
    void onReset();
    // Start-up: the full status, unless a record has already arrived; retried by timer 5.
    void requestFirstStatus();
    void onUserInteraction();
    void onQuit();                              // WM_PSW_QUIT
    void onQuitAll(std::size_t statusWindows);  // WM_PSW_QUITALL
    void onClose();                             // WM_CLOSE
    void onSystemClose();                       // WM_SYSCOMMAND SC_CLOSE
    void onOtherSystemCommand();                // after the default handling
    void onMove(bool minimized, std::int32_t left, std::int32_t top);
    void onDestroy();                           // shutdown

    void saveStep();
    void hideAndSave();
    // Plays the current display's sound once, under the rules of who may hear it.
    void playDisplaySound();

    // Paper animation.
    void startAnimation();
    void stopAnimation();
    void animationTick();
    // The frame to draw over the picture (0-based), or none.
    std::optional<std::size_t> visibleFrame() const noexcept;

private:
    void emit(const Effect& e);
    void deliverRename(const std::uint8_t* data, std::size_t size);
    void deliverStatus(std::uint32_t kind, const std::uint8_t* data, std::size_t size);
    void showForStatus(std::uint32_t printerStatus);
    void rebuildTexts();
    void takeJobProgress(const status::StatusRecordView& record);
    void onAutoCloseTimer();
    void onStatusRetryTimer();
    void onPortWatchTimer();
    void startTimer(std::uint32_t id, std::uint32_t ms) { emit(fx::startTimer(id, ms)); }
    void stopTimer(std::uint32_t id) { emit(fx::stopTimer(id)); }

    WindowHost& host_;
    WindowState s_;
};

// Text of a rename delivery: UTF-16 up to the first NUL or the end of the data.
Text wideTextOf(const std::uint8_t* data, std::size_t size);

}  // namespace zrt::statuswindow
