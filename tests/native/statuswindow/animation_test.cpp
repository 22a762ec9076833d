#include "window_core_fixture.h"

namespace zrt::statuswindow::testing {
namespace {

// One tick: the interval timer 1 is restarted with (0 when it stops), the frame shown after it.
struct Tick {
    std::uint32_t interval;
    std::optional<std::size_t> frame;
};

class AnimationTest : public WindowCoreTest {
protected:
    Tick tick() {
        take();
        core.onTimer(timer::kAnimation);
        std::uint32_t interval = 0;
        for (const Effect& e : host.effects)
            if (e.kind == EffectKind::StartTimer && e.a == timer::kAnimation) interval = e.b;
        EXPECT_EQ(host.effects.back(), fx::invalidate(Pane::Headline));
        return {interval, core.visibleFrame()};
    }
    static std::string str(const Tick& t) {
        return std::to_string(t.interval) + "ms frame " + (t.frame ? std::to_string(*t.frame) : std::string("none"));
    }
};

TEST_F(AnimationTest, ModeOneCyclesWithABlankUntilTheJobFinishes) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, animation_mode::kWhilePagesAdvance, 5));
    deliver(record(0, 0x8, 2, 1), displayOf(200, animation_mode::kWhilePagesAdvance, 5));
    ASSERT_EQ(core.visibleFrame(), std::optional<std::size_t>(0));
    const Tick expected[] = {
        {1000, 1}, {1000, 2}, {1000, 3}, {1000, 4},  // frames 2..5
        {500, std::nullopt},                         // blank after the last frame
        {500, 0},                                    // first frame again, after a 500 ms wait
        {1000, 1},
    };
    int n = 0;
    for (const Tick& e : expected) EXPECT_EQ(str(tick()), str(e)) << "tick " << ++n;
    // The job finishes: the run ends at the end of the frames.
    deliver(record(0, 0xA, 2, 2), displayOf(200, animation_mode::kWhilePagesAdvance, 5));
    tick();
    tick();
    tick();
    const Tick last = tick();
    EXPECT_EQ(str(last), str({0, std::nullopt}));
    EXPECT_TRUE(host.has(fx::stopTimer(timer::kAnimation)));
    EXPECT_FALSE(core.state().animation.running);
}

TEST_F(AnimationTest, ModeOneStopsWithoutARecord) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, 1, 5));
    deliver(record(0, 0x8, 2, 0), displayOf(200, 1, 5));
    core.state().record.reset();
    for (int i = 0; i < 4; ++i) tick();
    EXPECT_EQ(str(tick()), str({0, std::nullopt}));
}

TEST_F(AnimationTest, ModeTwoLoopsWithoutABlank) {
    deliver(record(0, 0x100, 0, 0), displayOf(204, animation_mode::kLoop, 5));
    EXPECT_TRUE(host.has(fx::startTimer(timer::kAnimation, 1000)));
    for (int i = 0; i < 4; ++i) tick();
    EXPECT_EQ(str(tick()), str({1000, 0}));
}

TEST_F(AnimationTest, DisplayChangeStopsTheAnimationExceptBetweenTheTwoPrintingIds) {
    struct Row {
        const char* row;
        std::uint32_t from, to;
        bool stops;
    } rows[] = {
        {"201 to 200 keeps", 201, 200, false},
        {"203 to 202 keeps", 203, 202, false},
        {"200 to 201 stops", 200, 201, true},
        {"200 to 409 stops", 200, 409, true},
    };
    for (const Row& r : rows) {
        RecordingHost h;
        WindowCore c(h);
        c.setInitialDisplay(displayOf(r.from, 1, 5));
        c.startAnimation();
        h.effects.clear();
        const auto data = record(0, 0x8, 0, 0);
        const Display d = displayOf(r.to, 1, 5);
        h.mapper = [d](std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t) { return d; };
        c.onDelivery(1, data.data(), data.size());
        EXPECT_EQ(h.has(fx::stopTimer(timer::kAnimation)), r.stops) << r.row;
        EXPECT_EQ(c.state().animation.frameIndex != 0, !r.stops) << r.row;
    }
}

TEST_F(AnimationTest, PageZeroMarksTheAnimationNotRunning) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, 1, 5));
    deliver(record(0, 0x8, 2, 0), displayOf(200, 1, 5));
    ASSERT_TRUE(core.state().animation.running);
    deliver(record(0, 0x8, 0, 0), displayOf(200, 1, 5));
    EXPECT_FALSE(core.state().animation.running);
    EXPECT_EQ(core.visibleFrame(), std::nullopt);
}

TEST_F(AnimationTest, TickWithoutFramesStops) {
    deliver(record(0, 0x8, 1, 0), displayOf(200, 1, 5));
    deliver(record(0, 0x8, 2, 0), displayOf(200, 1, 5));
    core.state().display.frameDurationsMs.clear();
    EXPECT_EQ(str(tick()), str({0, std::nullopt}));
    EXPECT_TRUE(host.has(fx::stopTimer(timer::kAnimation)));
}

TEST_F(AnimationTest, InitialDisplayWithFramesMakesTheFirstCurrent) {
    core.setInitialDisplay(displayOf(200, 1, 5));
    EXPECT_EQ(core.state().animation.frameIndex, 1u);
    EXPECT_FALSE(core.state().animation.running);
    EXPECT_EQ(core.visibleFrame(), std::nullopt) << "not drawn until it runs";
}

}  // namespace
}  // namespace zrt::statuswindow::testing
