#include "statuswindow/core/window_core.h"

#include "statuswindow/sounds/sound_rules.h"

#include <algorithm>
#include <cstring>

#include "statuswindow/core/command_line.h"
#include "statuswindow/record/status_record_layout.h"

namespace zrt::statuswindow {

namespace {

namespace ps = status::printer_status;
namespace js = status::job_status;

constexpr std::uint32_t kDeliveryStatus = static_cast<std::uint32_t>(status::DeliveryKind::StatusRecord);
constexpr std::uint32_t kDeliveryConnection = static_cast<std::uint32_t>(status::DeliveryKind::ConnectionRecord);
constexpr std::uint32_t kDeliveryRename = static_cast<std::uint32_t>(status::DeliveryKind::PrinterRenamed);

// Printer status bits that lock Cleaning and Calibration for 30 seconds.
constexpr std::uint32_t kLockingPrinterStatus = ps::kPortUsedByOtherDevice | ps::kUsedByOtherJob;
// Job status bits of an ended, cancelled or finished job.
constexpr std::uint32_t kJobOverBits = js::kEnded | js::kFinished | js::kCancelled;
constexpr std::uint32_t kJobEndedBits = js::kEnded | js::kFinished;

bool hasAll(std::uint32_t value, std::uint32_t bits) noexcept { return (value & bits) == bits; }

bool oneOf(std::uint32_t id, std::initializer_list<std::uint32_t> ids) noexcept {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

Text wideTextOf(const std::uint8_t* data, std::size_t size) {
    Text text;
    if (data == nullptr) return text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

std::optional<status::StatusRecordView> WindowCore::recordView() const {
    if (!s_.record) return std::nullopt;
    return status::StatusRecordView(s_.record->data(), s_.record->size());
}

void WindowCore::emit(const Effect& e) {
    if (e.kind == EffectKind::StartTimer) s_.runningTimers.insert(e.a);
    if (e.kind == EffectKind::StopTimer) s_.runningTimers.erase(e.a);
    host_.apply(e);
}

void WindowCore::setInitialDisplay(Display display) {
    s_.display = std::move(display);
    s_.animation = {};
    if (s_.display.frameCount() != 0) s_.animation.frameIndex = 1;
    rebuildTexts();
}

void WindowCore::onCreate() {
    s_.showing = host_.readSetting(setting::kShowing, 0);
    startTimer(timer::kPortWatch, timer::kPortWatchMs);
}

// ---- deliveries ----------------------------------------------------------------------------

void WindowCore::onDelivery(std::uint32_t kind, const std::uint8_t* data, std::size_t size) {
    if (s_.closing) return;
    if (kind == kDeliveryRename) {
        deliverRename(data, size);
    } else if (kind == kDeliveryStatus || kind == kDeliveryConnection) {
        deliverStatus(kind, data, size);
    }
    // Any other kind is not a delivery of this window: ignored.
}

void WindowCore::deliverRename(const std::uint8_t* data, std::size_t size) {
    const Text name = wideTextOf(data, size);
    // A name the program could not have been started with is refused: the window keeps its name.
    if (name.empty() || name.size() > kMaxPrinterNameChars) return;
    s_.printerName = name;
    emit(fx::setTitle(name));
    emit(fx::changePrinterName(name));
    emit(fx::retakeMutex(name));
}

void WindowCore::deliverStatus(std::uint32_t kind, const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> delivered =
        data != nullptr ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();

    // 2. Option menu; an identical record changes nothing else.
    emit(fx::reevaluateOptionMenu());
    if (s_.record && *s_.record == delivered) return;

    const status::StatusRecordView incoming(delivered.data(), delivered.size());

    // 3. Auto-close timer.
    if (kind == kDeliveryStatus && s_.record) {
        const std::uint32_t heldJob = recordView()->jobStatus();
        if ((heldJob & js::kActiveMask) == 0 && (incoming.jobStatus() & js::kActiveMask) != 0)
            stopTimer(timer::kAutoClose);
        if (hasAll(incoming.jobStatus(), kJobEndedBits)) {
            if ((!s_.userTouched && !isUserLaunch(s_.launchMode)) || s_.restoredByStatus)
                startTimer(timer::kAutoClose, timer::kAutoCloseMs);
        }
    }

    // 4. + 5. The previous record's fields; the new record is held (kind 1) or none is.
    if (s_.record) {
        const status::StatusRecordView held = *recordView();
        for (std::size_t i = 0; i < s_.previousFields.size(); ++i)
            s_.previousFields[i] = held.field(status::offsets::kPrinterStatus + 4 * i);
        s_.record.reset();
    }
    if (kind == kDeliveryStatus) s_.record = delivered;

    const std::optional<status::StatusRecordView> record = recordView();
    const std::uint32_t printer = record ? record->printerStatus() : 0;
    const std::uint32_t job = record ? record->jobStatus() : 0;

    // 6. Cleaning during an active job leaves the display as it is.
    if (record && (printer & ps::kCleaning) != 0 && (job & js::kActiveMask) != 0) return;

    // 7. + 8.
    s_.previousDisplayId = s_.display.id;
    if (record && ((printer & ps::kErrorMask) != 0 || (record->pagesPrinted() == 0 && (job & js::kAnnounced) != 0)))
        showForStatus(printer);

    // 9. + 10.
    if (std::optional<Display> mapped = host_.mapDisplay(s_.previousDisplayId, delivered.data(), delivered.size(),
                                                         kind == kDeliveryConnection ? 1 : 0))
        s_.display = std::move(*mapped);
    rebuildTexts();
    emit(fx::invalidate(Pane::Headline));

    // 11. + 12.
    if ((s_.lastPrinterStatus & kLockingPrinterStatus) != 0) {
        startTimer(timer::kLockOut, timer::kLockOutMs);
        s_.lockOut = true;
    }
    emit(fx::refreshJobCommands());

    // 13. Sound.
    if (host_.facts().visible) {
        if (record && (printer != s_.previousPrinterStatus() || hasAll(job, kJobEndedBits))) {
            playDisplaySound();
        } else if (kind == kDeliveryConnection && s_.display.id != s_.previousDisplayId &&
                   oneOf(s_.display.id, {display_id::kPortNotSupported, display_id::kPrintServerError,
                                         display_id::kPortUsedByOtherDevice})) {
            playDisplaySound();
        }
    }

    // 14. Job progress.
    if (record) {
        takeJobProgress(*record);
        if ((job & kJobOverBits) != 0 && (job & js::kPrinting) == 0 &&
            !oneOf(s_.previousDisplayId, {display_id::kStatusBeingAcquired, display_id::kPrintServerError,
                                          display_id::kJobFinished, display_id::kJobCancelled}) &&
            s_.display.id != display_id::kCleaning && s_.display.id != s_.previousDisplayId) {
            startTimer(timer::kLockOut, timer::kLockOutMs);
            s_.lockOut = true;
            emit(fx::refreshJobCommands());
        }
        saveStep();
    }

    // 15. + 16. (a connection record holds no printer status)
    s_.lastPrinterStatus = printer;
    if (s_.display.hasWindowIcon) emit(fx::setWindowIcon());
    for (Pane pane : {Pane::Picture, Pane::JobList, Pane::Progress, Pane::Icon, Pane::JobToolbarHolder})
        emit(fx::repaint(pane));

    // 17. Animation across a change of display.
    if (s_.display.id != s_.previousDisplayId) {
        const bool samePrinting = (s_.previousDisplayId == display_id::kPrintingCountUnknown &&
                                   s_.display.id == display_id::kPrinting) ||
                                  (s_.previousDisplayId == display_id::kPausedCountUnknown &&
                                   s_.display.id == display_id::kPaused);
        if (!samePrinting) stopAnimation();
        if (s_.display.animationMode == animation_mode::kLoop) startAnimation();
    }
}

void WindowCore::showForStatus(std::uint32_t printer) {
    emit(fx::invalidate(Pane::MainWindow));
    if (s_.showing == 0 || (printer & ps::kErrorMask) != 0) {
        if (s_.noActivate) {
            emit(fx::showNoActivate());
        } else {
            emit(fx::show());
            if (host_.facts().minimized) {
                emit(fx::restore());
                s_.restoredByStatus = true;
            }
            emit(fx::setForeground());
        }
    }
    emit(fx::startPolling());
    s_.lastPrinterStatus = printer;
    if (s_.showing != 1 && !s_.noActivate) emit(fx::setActive());
}

void WindowCore::rebuildTexts() {
    const std::optional<status::StatusRecordView> record = recordView();
    const status::StatusRecordView* r = record ? &*record : nullptr;
    const ProgramStrings& strings = host_.strings();
    std::optional<Text> dump;
    if (r != nullptr && host_.readSetting(setting::kDispStatus, 0) != 0)
        dump = diagnosticDump(*r, host_.matchFacts(r));
    s_.detailText = detailText(s_.display.messages, r, dump, strings);
    s_.headlineText = headlineText(s_.display.headline, r, strings);
    emit(fx::setDetailText(s_.detailText));
}

void WindowCore::takeJobProgress(const status::StatusRecordView& record) {
    const std::u16string_view document = record.documentName();
    const TextView kept = cut(TextView(document.data(), document.size()), kMaxDocumentNameChars);
    if (kept != s_.documentName) s_.documentName = Text(kept);
    const std::uint32_t page = record.currentPage();
    if (page > s_.currentPage && s_.display.animationMode == animation_mode::kWhilePagesAdvance) startAnimation();
    if (page == 0) s_.animation.running = false;
    s_.totalPages = record.totalPages();
    s_.currentPage = page;
    s_.pagesPrinted = record.pagesPrinted();
}

void WindowCore::playDisplaySound() {
    if (!s_.display.sound || s_.display.sound->empty()) return;
    const std::optional<status::StatusRecordView> record = recordView();
    const DumpFacts who = host_.matchFacts(record ? &*record : nullptr);
    const sounds::SoundListener listener{who.attachmentKind, who.userMatch, who.computerMatch};
    if (!sounds::displayMaySound(s_.display.id, record.has_value(), listener)) return;
    emit(fx::playSound(*s_.display.sound));
    s_.display.sound.reset();  // each display sounds at most once
}

// ---- timers ----------------------------------------------------------------------------------

void WindowCore::onTimer(std::uint32_t id) {
    switch (id) {
        case timer::kAnimation: animationTick(); break;
        case timer::kStatusRetry: onStatusRetryTimer(); break;
        case timer::kLockOut:
            stopTimer(timer::kLockOut);
            s_.lockOut = false;
            emit(fx::reevaluateOptionMenu());
            break;
        case timer::kAutoClose: onAutoCloseTimer(); break;
        case timer::kPortWatch: onPortWatchTimer(); break;
        default: break;
    }
}

void WindowCore::onAutoCloseTimer() {
    const std::optional<status::StatusRecordView> record = recordView();
    if (record && (record->printerStatus() & ps::kErrorMask) != 0) {
        s_.userTouched = true;
        stopTimer(timer::kAutoClose);
    } else if (s_.restoredByStatus) {
        stopTimer(timer::kAutoClose);
        emit(fx::minimize());
        s_.restoredByStatus = false;
    } else {
        emit(fx::hide());
        emit(fx::stopPolling());
        saveStep();
        emit(fx::destroyWindow());
    }
}

void WindowCore::onStatusRetryTimer() {
    const bool accepted = host_.requestStatus(kRefreshStatus);
    if (accepted || s_.record) stopTimer(timer::kStatusRetry);
}

void WindowCore::onPortWatchTimer() {
    const Text previous = s_.portText;
    const std::optional<Text> derived = host_.derivePortText();
    s_.portText = derived.value_or(Text());
    if (derived && *derived != previous) {
        stopTimer(timer::kPortWatch);
        s_.relaunch = true;
        emit(fx::sendQuit());
    }
}

// ---- requests and user actions ----------------------------------------------------------------

void WindowCore::onShowRequest(std::uintptr_t mode) {
    saveStep();
    emit(fx::startPolling());
    if (host_.facts().visible) playDisplaySound();
    // A mode outside 0..3 is taken as an automatic start.
    s_.launchMode = mode <= kMaxLaunchMode ? static_cast<std::uint32_t>(mode) : 0;
    if (isUserLaunch(s_.launchMode)) {
        emit(fx::show());
        emit(fx::setForeground());
        if (host_.facts().minimized) emit(fx::restore());
        s_.userTouched = true;
        stopTimer(timer::kAutoClose);
    } else if (s_.showing == 0) {
        if (s_.noActivate) {
            emit(fx::showNoActivate());
        } else {
            emit(fx::show());
            emit(fx::setForeground());
        }
    }
}

void WindowCore::onReset() {
    s_.record.reset();
    if (!host_.requestStatus(kFullStatus)) startTimer(timer::kStatusRetry, timer::kStatusRetryMs);
}

void WindowCore::requestFirstStatus() {
    if (s_.record) return;
    if (!host_.requestStatus(kFullStatus)) startTimer(timer::kStatusRetry, timer::kStatusRetryMs);
}

void WindowCore::onUserInteraction() {
    s_.userTouched = true;
    stopTimer(timer::kAutoClose);
}

void WindowCore::onMove(bool minimized, std::int32_t left, std::int32_t top) {
    onUserInteraction();
    if (minimized) return;
    emit(fx::writeSetting(setting::kLeft, static_cast<std::uint32_t>(left)));
    emit(fx::writeSetting(setting::kTop, static_cast<std::uint32_t>(top)));
}

void WindowCore::saveStep() {
    const WindowFacts f = host_.facts();
    emit(fx::writeSetting(setting::kLastWindowVisiblity, f.visible ? 1 : 0));
    if (s_.monitorLoaded) emit(fx::jobRequest(job_request::kWindowVisible, f.visible ? 1 : 0));
    emit(fx::writeSetting(setting::kLastWindowState, f.minimized ? 1 : 0));
}

void WindowCore::hideAndSave() {
    emit(fx::hide());
    emit(fx::stopPolling());
    saveStep();
}

void WindowCore::onQuit() {
    saveStep();
    emit(fx::destroyWindow());
}

void WindowCore::onQuitAll(std::size_t statusWindows) {
    if (statusWindows <= 1) emit(fx::postQuitToNotifyIcon());
    saveStep();
    emit(fx::destroyWindow());
}

void WindowCore::onClose() {
    hideAndSave();
    emit(fx::destroyWindow());
}

void WindowCore::onSystemClose() {
    hideAndSave();
    if (s_.record && (recordView()->jobStatus() & js::kPrinting) != 0)
        emit(fx::writeSetting(setting::kIsQuitDuringPrinting, 1));
    emit(fx::destroyWindow());
}

void WindowCore::onOtherSystemCommand() { saveStep(); }

void WindowCore::onDestroy() {
    emit(fx::writeSetting(setting::kLastWindowState, host_.facts().minimized ? 1 : 0));
    if (!s_.record) emit(fx::wait(1000));
    s_.closing = true;
    emit(fx::closePrinter());
    s_.record.reset();
    for (std::uint32_t id : {timer::kAnimation, timer::kStatusRetry})
        if (s_.runningTimers.count(id) != 0) stopTimer(id);
    s_.monitorLoaded = false;
    emit(fx::unloadLibraries());
}

// ---- animation ---------------------------------------------------------------------------------

void WindowCore::startAnimation() {
    if (s_.display.frameCount() == 0) return;  // nothing to animate
    s_.animation.running = true;
    s_.animation.frameIndex = 1;
    startTimer(timer::kAnimation, s_.display.frameDurationsMs[0]);
}

void WindowCore::stopAnimation() {
    s_.animation.running = false;
    s_.animation.frameIndex = 0;
    stopTimer(timer::kAnimation);
}

void WindowCore::animationTick() {
    AnimationState& a = s_.animation;
    const std::size_t count = s_.display.frameCount();
    if (count == 0) {
        // The display lost its frames under a running timer: nothing left to animate.
        stopAnimation();
    } else if (a.frameIndex < count) {
        ++a.frameIndex;
        startTimer(timer::kAnimation, s_.display.frameDurationsMs[a.frameIndex - 1]);
    } else if (s_.display.animationMode == animation_mode::kLoop) {
        a.frameIndex = 1;
        startTimer(timer::kAnimation, s_.display.frameDurationsMs[0]);
    } else {
        const std::optional<status::StatusRecordView> record = recordView();
        if (!record || (record->jobStatus() & js::kFinished) != 0) {
            a.frameIndex = 0;
            stopTimer(timer::kAnimation);
            a.running = false;
        } else if (a.frameIndex == count) {
            ++a.frameIndex;  // a blank pause between two runs
            a.running = false;
            startTimer(timer::kAnimation, timer::kAnimationBlankMs);
        } else {
            a.running = true;
            a.frameIndex = 1;
            startTimer(timer::kAnimation, timer::kAnimationBlankMs);
        }
    }
    emit(fx::invalidate(Pane::Picture));
    emit(fx::invalidate(Pane::Headline));
}

std::optional<std::size_t> WindowCore::visibleFrame() const noexcept {
    const std::size_t count = s_.display.frameCount();
    if (!s_.animation.running || s_.animation.frameIndex == 0 || s_.animation.frameIndex > count) return std::nullopt;
    return s_.animation.frameIndex - 1;
}

}  // namespace zrt::statuswindow
