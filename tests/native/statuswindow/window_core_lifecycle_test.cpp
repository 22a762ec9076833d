#include "window_core_fixture.h"

namespace zrt::statuswindow::testing {
namespace {

const std::vector<Effect> kCloseAfterJob = {
    fx::hide(),
    fx::stopPolling(),
    fx::writeSetting(setting::kLastWindowVisiblity, 0),
    fx::jobRequest(job_request::kWindowVisible, 0),
    fx::writeSetting(setting::kLastWindowState, 0),
    fx::destroyWindow(),
};

TEST_F(WindowCoreTest, EndedJobClosesAnUntouchedAutomaticWindow) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, 1, 5));
    deliver(record(0, 0x3, 3, 3), displayOf(301));
    EXPECT_TRUE(host.has(fx::startTimer(timer::kAutoClose, timer::kAutoCloseMs)));
    take();
    core.onTimer(timer::kAutoClose);
    EXPECT_EQ(listOf(take()), listOf(kCloseAfterJob));
}

TEST_F(WindowCoreTest, AutoCloseStartRules) {
    struct Row {
        const char* row;
        std::uint32_t launchMode;
        bool touched;
        bool restored;
        bool starts;
    } rows[] = {
        {"automatic, untouched", 0, false, false, true},
        {"automatic mode 2", 2, false, false, true},
        {"user launch", 1, false, false, false},
        {"user launch 3", 3, false, false, false},
        {"touched", 0, true, false, false},
        {"touched but restored by status", 0, true, true, true},
        {"user launch but restored by status", 1, false, true, true},
    };
    for (const Row& r : rows) {
        RecordingHost h;
        WindowCore c(h);
        c.setInitialDisplay(displayOf(101));
        c.state().launchMode = r.launchMode;
        c.state().userTouched = r.touched;
        c.state().restoredByStatus = r.restored;
        const Display d = displayOf(301);
        h.mapper = [d](std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t) { return d; };
        const auto printing = record(0, 0x8);
        const auto ended = record(0, 0x3);
        c.onDelivery(1, printing.data(), printing.size());
        c.onDelivery(1, ended.data(), ended.size());
        EXPECT_EQ(h.has(fx::startTimer(timer::kAutoClose, timer::kAutoCloseMs)), r.starts) << r.row;
    }
}

TEST_F(WindowCoreTest, FirstRecordDoesNotStartAutoClose) {
    deliver(record(0, 0x3), displayOf(301));
    EXPECT_FALSE(host.has(fx::startTimer(timer::kAutoClose, timer::kAutoCloseMs)));
}

TEST_F(WindowCoreTest, NewJobStopsAPendingAutoClose) {
    deliver(record(0, 0x3), displayOf(301));
    take();
    deliver(record(0, 0x1000), displayOf(207));
    EXPECT_EQ(host.only({EffectKind::StopTimer}).front(), fx::stopTimer(timer::kAutoClose));
}

TEST_F(WindowCoreTest, ErrorBeforeAutoCloseKeepsTheWindow) {
    deliver(record(0, 0x8), displayOf(200));
    deliver(record(0, 0x3), displayOf(301));
    deliver(record(0x800000, 0x3), displayOf(513));
    take();
    core.onTimer(timer::kAutoClose);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kAutoClose)}));
    EXPECT_TRUE(core.state().userTouched);
}

TEST_F(WindowCoreTest, NonErrorBitsDoNotHoldOffAutoClose) {
    deliver(record(0, 0x8), displayOf(200));
    deliver(record(0x40004209, 0x3), displayOf(301));
    take();
    core.onTimer(timer::kAutoClose);
    EXPECT_EQ(listOf(take()), listOf(kCloseAfterJob));
}

TEST_F(WindowCoreTest, WindowRestoredByStatusIsMinimizedAgain) {
    host.window.minimized = true;
    deliver(record(0, 0x8), displayOf(200));
    deliver(record(0x10000, 0x8), displayOf(409));
    EXPECT_TRUE(host.has(fx::restore()));
    EXPECT_TRUE(core.state().restoredByStatus);
    core.onUserInteraction();  // the user even clicks: the restored window still goes back
    deliver(record(0, 0x3), displayOf(301));
    EXPECT_TRUE(host.has(fx::startTimer(timer::kAutoClose, timer::kAutoCloseMs)));
    take();
    core.onTimer(timer::kAutoClose);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kAutoClose), fx::minimize()}));
    EXPECT_FALSE(core.state().restoredByStatus);
}

TEST_F(WindowCoreTest, UserInteractionStopsAutoClose) {
    core.onUserInteraction();
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kAutoClose)}));
    EXPECT_TRUE(core.state().userTouched);
    core.onMove(false, -5, 40);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kAutoClose), fx::writeSetting(setting::kLeft, 0xFFFFFFFB),
                                      fx::writeSetting(setting::kTop, 40)}));
    core.onMove(true, -32000, -32000);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kAutoClose)}));
}

TEST_F(WindowCoreTest, ShowRequest) {
    struct Row {
        const char* row;
        std::uintptr_t mode;
        std::uint32_t showing;
        bool noActivate;
        bool minimized;
        std::vector<Effect> tail;  // after the save step and StartPolling
        std::uint32_t launchMode;
    } rows[] = {
        {"user mode 1", 1, 1, true, false, {fx::show(), fx::setForeground(), fx::stopTimer(timer::kAutoClose)}, 1},
        {"user mode 3 minimized", 3, 0, false, true,
         {fx::show(), fx::setForeground(), fx::restore(), fx::stopTimer(timer::kAutoClose)}, 3},
        {"automatic, errors only", 0, 1, false, false, {}, 0},
        {"automatic, no-activate", 2, 0, true, false, {fx::showNoActivate()}, 2},
        {"automatic, activate", 0, 0, false, false, {fx::show(), fx::setForeground()}, 0},
        {"mode out of range", 7, 0, true, false, {fx::showNoActivate()}, 0},
    };
    for (const Row& r : rows) {
        RecordingHost h;
        WindowCore c(h);
        c.setInitialDisplay(displayOf(101));
        c.state().showing = r.showing;
        c.state().noActivate = r.noActivate;
        h.window = WindowFacts{false, r.minimized};
        h.effects.clear();
        c.onShowRequest(r.mode);
        std::vector<Effect> expected = {fx::writeSetting(setting::kLastWindowVisiblity, 0),
                                        fx::jobRequest(job_request::kWindowVisible, 0),
                                        fx::writeSetting(setting::kLastWindowState, r.minimized ? 1 : 0),
                                        fx::startPolling()};
        expected.insert(expected.end(), r.tail.begin(), r.tail.end());
        EXPECT_EQ(listOf(h.effects), listOf(expected)) << r.row;
        EXPECT_EQ(c.state().launchMode, r.launchMode) << r.row;
        EXPECT_EQ(c.state().userTouched, r.mode == 1 || r.mode == 3) << r.row;
    }
}

TEST_F(WindowCoreTest, ShowRequestOnAVisibleWindowSoundsTheDisplayOnce) {
    deliverConnection(0, displayOf(100, 0, 0, Text(u"PrinterError")));
    take();
    core.onShowRequest(0);
    EXPECT_TRUE(host.only({EffectKind::PlaySound}).empty()) << "already played at the delivery";
    core.state().display.sound = Text(u"PrinterError");
    core.onShowRequest(0);
    EXPECT_EQ(host.only({EffectKind::PlaySound}).size(), 1u);
}

TEST_F(WindowCoreTest, ResetAndStatusRetry) {
    deliver(record(0, 0x8), displayOf(200));
    host.statusAccepted = false;
    take();
    core.onReset();
    EXPECT_FALSE(core.state().record.has_value());
    EXPECT_EQ(listOf(take()), listOf({fx::startTimer(timer::kStatusRetry, timer::kStatusRetryMs)}));
    EXPECT_EQ(host.statusRequests, (std::vector<std::uint32_t>{1}));

    core.onTimer(timer::kStatusRetry);  // refused, no record: keeps trying
    EXPECT_TRUE(take().empty());
    // Refused, but the library delivered a record during the call: done.
    host.onStatusRequest = [this] { deliver(record(0, 0), displayOf(300)); };
    core.onTimer(timer::kStatusRetry);
    EXPECT_EQ(host.only({EffectKind::StopTimer}).back(), fx::stopTimer(timer::kStatusRetry));
    host.onStatusRequest = nullptr;
    core.state().record.reset();
    host.statusAccepted = true;
    take();
    core.onTimer(timer::kStatusRetry);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kStatusRetry)}));
    EXPECT_EQ(host.statusRequests, (std::vector<std::uint32_t>{1, 0, 0, 0}));
}

TEST_F(WindowCoreTest, PortWatchRelaunchesOnAChangedPort) {
    core.onCreate();
    EXPECT_EQ(listOf(take()), listOf({fx::startTimer(timer::kPortWatch, timer::kPortWatchMs)}));
    host.derivedPort = u"LPT1:";
    core.onTimer(timer::kPortWatch);
    EXPECT_TRUE(take().empty()) << "unchanged";
    host.derivedPort = std::nullopt;
    core.onTimer(timer::kPortWatch);
    EXPECT_TRUE(take().empty()) << "a failed derivation is no change";
    EXPECT_EQ(core.state().portText, u"");
    host.derivedPort = u"LPT1:";
    core.onTimer(timer::kPortWatch);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kPortWatch), fx::sendQuit()}))
        << "after a failure the same port counts as a change";
    EXPECT_TRUE(core.state().relaunch);
    EXPECT_EQ(core.state().portText, u"LPT1:");
}

TEST_F(WindowCoreTest, ClosePaths) {
    deliver(record(0, 0x8), displayOf(200));
    take();
    core.onSystemClose();
    EXPECT_EQ(listOf(take()),
              listOf({fx::hide(), fx::stopPolling(), fx::writeSetting(setting::kLastWindowVisiblity, 0),
                      fx::jobRequest(job_request::kWindowVisible, 0), fx::writeSetting(setting::kLastWindowState, 0),
                      fx::writeSetting(setting::kIsQuitDuringPrinting, 1), fx::destroyWindow()}));
    host.window.visible = true;
    core.onClose();
    EXPECT_FALSE(host.has(fx::writeSetting(setting::kIsQuitDuringPrinting, 1))) << "WM_CLOSE does not mark it";
    EXPECT_EQ(take().back(), fx::destroyWindow());
    host.window.visible = true;
    core.onQuit();
    EXPECT_EQ(listOf(take()), listOf({fx::writeSetting(setting::kLastWindowVisiblity, 1),
                                      fx::jobRequest(job_request::kWindowVisible, 1),
                                      fx::writeSetting(setting::kLastWindowState, 0), fx::destroyWindow()}));
    core.onQuitAll(1);
    EXPECT_EQ(take().front(), fx::postQuitToNotifyIcon());
    core.onQuitAll(2);
    EXPECT_FALSE(host.has(fx::postQuitToNotifyIcon()));
}

TEST_F(WindowCoreTest, SystemCloseWithoutAJobDoesNotMarkIt) {
    deliver(record(0, 0x1000), displayOf(207));
    core.onSystemClose();
    EXPECT_FALSE(host.has(fx::writeSetting(setting::kIsQuitDuringPrinting, 1)));
}

TEST_F(WindowCoreTest, ShutdownOrder) {
    core.state().monitorLoaded = true;
    core.startAnimation();  // no frames in display 101: nothing runs
    host.statusAccepted = false;
    core.onReset();
    take();
    core.onDestroy();
    EXPECT_EQ(listOf(take()), listOf({fx::writeSetting(setting::kLastWindowState, 0), fx::wait(1000), fx::closePrinter(),
                                      fx::stopTimer(timer::kStatusRetry), fx::unloadLibraries()}));
    EXPECT_TRUE(core.state().closing);
    core.saveStep();
    EXPECT_FALSE(host.has(fx::jobRequest(job_request::kWindowVisible, 1))) << "no monitor after shutdown";
}

TEST_F(WindowCoreTest, ShutdownWithARecordDoesNotWait) {
    deliver(record(0, 0x8, 1, 0), displayOf(201, 1, 5));
    deliver(record(0, 0x8, 2, 1), displayOf(201, 1, 5));
    take();
    core.onDestroy();
    EXPECT_EQ(listOf(take()), listOf({fx::writeSetting(setting::kLastWindowState, 0), fx::closePrinter(),
                                      fx::stopTimer(timer::kAnimation), fx::unloadLibraries()}));
}

}  // namespace
}  // namespace zrt::statuswindow::testing
