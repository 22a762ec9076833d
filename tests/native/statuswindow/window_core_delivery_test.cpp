#include "window_core_fixture.h"

namespace zrt::statuswindow::testing {
namespace {

TEST_F(WindowCoreTest, DeliveryStepsRunInOrder) {
    host.window.visible = false;
    host.settings[Text(setting::kShowing)] = 0;
    core.onCreate();
    take();
    // A paper-out record during a job: shown, mapped, texts, sound, progress, save, repaint.
    deliver(record(0x10000, 0x8, 1, 0), displayOf(409, animation_mode::kWhilePagesAdvance, 5, Text(u"PrinterError")));
    const std::vector<Effect> expected = {
        fx::reevaluateOptionMenu(),
        fx::invalidate(Pane::MainWindow),
        fx::show(),
        fx::setForeground(),
        fx::startPolling(),
        fx::setActive(),
        fx::setDetailText(u"message"),
        fx::invalidate(Pane::Headline),
        fx::refreshJobCommands(),
        fx::playSound(u"PrinterError"),
        fx::startTimer(timer::kAnimation, 1000),
        fx::writeSetting(setting::kLastWindowVisiblity, 1),
        fx::jobRequest(job_request::kWindowVisible, 1),
        fx::writeSetting(setting::kLastWindowState, 0),
        fx::repaint(Pane::Picture),
        fx::repaint(Pane::JobList),
        fx::repaint(Pane::Progress),
        fx::repaint(Pane::Icon),
        fx::repaint(Pane::JobToolbarHolder),
        fx::stopTimer(timer::kAnimation),
    };
    EXPECT_EQ(listOf(take()), listOf(expected));
    ASSERT_EQ(host.mapCalls.size(), 1u);
    EXPECT_EQ(host.mapCalls[0].previousId, 101u);
    EXPECT_EQ(host.mapCalls[0].kind, 0u);
    EXPECT_EQ(core.state().documentName, u"report.txt");
    EXPECT_EQ(core.state().previousDisplayId, 101u);
    EXPECT_EQ(core.state().lastPrinterStatus, 0x10000u);
}

TEST_F(WindowCoreTest, SameRecordTwiceChangesNothing) {
    const auto r = record(0, 0x8, 1, 0);
    deliver(r, displayOf(200, 1, 5));
    take();
    deliver(r, displayOf(300));
    EXPECT_EQ(listOf(take()), listOf({fx::reevaluateOptionMenu()}));
    EXPECT_EQ(core.state().display.id, 200u);
    EXPECT_EQ(host.mapCalls.size(), 1u);
}

TEST_F(WindowCoreTest, PortInUseSoundsOnceWhileVisible) {
    deliverConnection(2, displayOf(507, 0, 0, Text(u"PrinterError")));
    EXPECT_EQ(listOf(host.only({EffectKind::PlaySound})), listOf({fx::playSound(u"PrinterError")}));
    EXPECT_EQ(host.mapCalls.back().kind, 1u);
    EXPECT_FALSE(core.state().record.has_value());
    take();
    deliverConnection(2, displayOf(507, 0, 0, Text(u"PrinterError")));
    EXPECT_TRUE(host.only({EffectKind::PlaySound}).empty()) << "same display id: no second sound";
}

TEST_F(WindowCoreTest, ConnectionSoundNeedsAVisibleWindowAndANewErrorId) {
    host.window.visible = false;
    deliverConnection(2, displayOf(507, 0, 0, Text(u"PrinterError")));
    EXPECT_TRUE(host.only({EffectKind::PlaySound}).empty()) << "hidden";
    host.window.visible = true;
    deliverConnection(1, displayOf(101, 0, 0, Text(u"PrinterError")));
    EXPECT_TRUE(host.only({EffectKind::PlaySound}).empty()) << "101 does not sound";
}

TEST_F(WindowCoreTest, ShowingOnlyOnErrorsShowsForPaperOutNotForPause) {
    core.state().showing = 1;
    host.window.visible = false;
    deliver(record(0x1, 0x8, 1, 1), displayOf(202));
    EXPECT_TRUE(host.only({EffectKind::Show, EffectKind::ShowNoActivate}).empty()) << listOf(host.effects);
    deliver(record(0x10000, 0x8, 1, 1), displayOf(409));
    EXPECT_EQ(listOf(host.only({EffectKind::Show, EffectKind::SetActive})), listOf({fx::show()}))
        << "shown, but not activated with Showing = 1";
}

TEST_F(WindowCoreTest, AnnouncedJobShowsWithoutActivatingInNoActivateMode) {
    core.state().noActivate = true;
    host.window.visible = false;
    host.window.minimized = true;
    deliver(record(0, 0x10000, 0, 0), displayOf(300));
    EXPECT_EQ(listOf(host.only({EffectKind::Show, EffectKind::ShowNoActivate, EffectKind::Restore,
                                EffectKind::SetForeground, EffectKind::SetActive, EffectKind::StartPolling})),
              listOf({fx::showNoActivate(), fx::startPolling()}));
    EXPECT_FALSE(core.state().restoredByStatus);
}

TEST_F(WindowCoreTest, CleaningDuringAJobKeepsTheDisplay) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, 1, 5));
    const std::size_t calls = host.mapCalls.size();
    take();
    deliver(record(0x2000, 0x8, 1, 0), displayOf(206));
    EXPECT_EQ(listOf(take()), listOf({fx::reevaluateOptionMenu()}));
    EXPECT_EQ(host.mapCalls.size(), calls);
    EXPECT_EQ(core.state().display.id, 200u);
    EXPECT_TRUE(core.state().record.has_value()) << "the record is still taken";
    EXPECT_EQ(core.state().previousPrinterStatus(), 0u);
}

TEST_F(WindowCoreTest, RenameChangesTitleMonitorAndMutex) {
    const Text name = u"KX\\Office";
    std::vector<std::uint8_t> data;
    for (char16_t c : name + Text(1, u'\0')) {
        data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    core.onDelivery(3, data.data(), data.size());
    EXPECT_EQ(listOf(take()), listOf({fx::setTitle(name), fx::changePrinterName(name), fx::retakeMutex(name)}));
    EXPECT_EQ(core.state().printerName, name);

    // An unterminated name is read to the end of the data; an empty or over-long one is refused.
    core.onDelivery(3, data.data(), data.size() - 2);
    EXPECT_EQ(core.state().printerName, name);
    const std::vector<std::uint8_t> empty{0, 0};
    core.onDelivery(3, empty.data(), empty.size());
    const std::vector<std::uint8_t> tooLong(2 * 260, 'a');
    core.onDelivery(3, tooLong.data(), tooLong.size());
    EXPECT_EQ(core.state().printerName, name);
    EXPECT_EQ(host.only({EffectKind::SetTitle}).size(), 1u);
}

TEST_F(WindowCoreTest, DeliveriesAreIgnoredWhileClosingAndForUnknownKinds) {
    const auto r = record(0, 0x8);
    core.onDelivery(9, r.data(), r.size());
    EXPECT_TRUE(take().empty());
    core.onDestroy();
    take();
    deliver(r, displayOf(200));
    EXPECT_TRUE(take().empty());
}

TEST_F(WindowCoreTest, MissingLibraryKeepsTheDisplay) {
    host.mapper = nullptr;
    const auto r = record(0, 0x8, 1, 0);
    core.onDelivery(1, r.data(), r.size());
    EXPECT_EQ(core.state().display.id, 101u);
    EXPECT_TRUE(core.state().record.has_value());
}

TEST_F(WindowCoreTest, PortUsedByAnotherDeviceLocksCleaningFor30Seconds) {
    deliver(record(0x20000000, 0), displayOf(507));
    // The last printer status is stored at step 8 (error shown) before step 11 looks at it.
    EXPECT_TRUE(host.has(fx::startTimer(timer::kLockOut, timer::kLockOutMs)));
    EXPECT_TRUE(core.state().lockOut);
    take();
    core.onTimer(timer::kLockOut);
    EXPECT_EQ(listOf(take()), listOf({fx::stopTimer(timer::kLockOut), fx::reevaluateOptionMenu()}));
    EXPECT_FALSE(core.state().lockOut);
}

TEST_F(WindowCoreTest, JobOverLocksOnlyOnANewDisplay) {
    struct Row {
        const char* row;
        std::uint32_t previousId;
        std::uint32_t job;
        std::uint32_t newId;
        bool locks;
    } rows[] = {
        {"printing to finished", 200, 0x3, 301, true},
        {"printing to cancelled", 200, 0x4, 302, true},
        {"still printing", 200, 0xB, 301, false},
        {"from status being acquired", 101, 0x3, 301, false},
        {"from finished", 301, 0x3, 300, false},
        {"to cleaning", 200, 0x3, 206, false},
        {"same display", 300, 0x3, 300, false},
        {"no over bit", 200, 0x10, 300, false},
    };
    for (const Row& r : rows) {
        RecordingHost h;
        WindowCore c(h);
        c.setInitialDisplay(displayOf(r.previousId));
        h.effects.clear();
        const auto data = record(0, r.job);
        const Display next = displayOf(r.newId);
        h.mapper = [next](std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t) { return next; };
        c.onDelivery(1, data.data(), data.size());
        EXPECT_EQ(h.has(fx::startTimer(timer::kLockOut, timer::kLockOutMs)), r.locks) << r.row;
        EXPECT_EQ(c.state().lockOut, r.locks) << r.row;
        EXPECT_EQ(h.only({EffectKind::RefreshJobCommands}).size(), r.locks ? 2u : 1u) << r.row;
    }
}

TEST_F(WindowCoreTest, DiagnosticDumpLeadsTheDetailText) {
    host.settings[Text(setting::kDispStatus)] = 1;
    host.match = DumpFacts{0, 1, 0};
    deliver(record(0x1, 0x8), displayOf(202));
    const Text& text = core.state().detailText;
    EXPECT_EQ(toPrintable(text.substr(0, 29)), "Job Status       = 00000008\\r\\n");
    EXPECT_NE(text.find(u"Local = 0, User = 1, PC = 0\r\nmessage"), Text::npos) << toPrintable(text);
}

TEST_F(WindowCoreTest, SoundPlaysOnPrinterStatusChangeAndOnJobEndOnly) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, 1, 5, Text(u"PrintComplete")));
    EXPECT_TRUE(host.only({EffectKind::PlaySound}).empty()) << "printer status unchanged (0)";
    deliver(record(0x10000, 0x8, 1, 0), displayOf(409, 0, 0, Text(u"PrinterError")));
    EXPECT_EQ(host.only({EffectKind::PlaySound}).size(), 1u);
    take();
    deliver(record(0, 0x3, 1, 1), displayOf(301, 0, 0, Text(u"PrintComplete")));
    EXPECT_EQ(listOf(host.only({EffectKind::PlaySound})), listOf({fx::playSound(u"PrintComplete")}));
}

TEST_F(WindowCoreTest, AnotherUsersJobOnASharedPrinterIsSilent) {
    host.match = DumpFacts{0, 1, 1};
    deliver(record(0x10000, 0x8), displayOf(409, 0, 0, Text(u"PrinterError")));
    EXPECT_TRUE(host.only({EffectKind::PlaySound}).empty());
}

}  // namespace
}  // namespace zrt::statuswindow::testing
