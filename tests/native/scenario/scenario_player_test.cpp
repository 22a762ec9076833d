// The player delivers the steps in order at their times, re-sends the current record on
// request and stops.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "testbed/status_monitor/scenario_player.h"

namespace zrt::testbed {
namespace {

using Clock = std::chrono::steady_clock;

struct Received {
    std::uint32_t kind;       // 0 for a posted message
    std::size_t line;         // 0 for a re-send
    long long afterMs;
};

class RecordingSink final : public DeliverySink {
public:
    explicit RecordingSink(Clock::time_point start) : start_(start) {}
    void deliver(const Delivery& d, const ScenarioStep* step) override {
        add({d.kind, step != nullptr ? step->line : 0, elapsed()});
    }
    void post(const MessageStep&, const ScenarioStep& step) override { add({0, step.line, elapsed()}); }
    std::vector<Received> received() {
        std::lock_guard<std::mutex> lock(mutex_);
        return received_;
    }
    bool waitFor(std::size_t count) {
        for (int i = 0; i < 500; ++i) {
            if (received().size() >= count) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

private:
    long long elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
    }
    void add(Received r) {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.push_back(r);
    }
    Clock::time_point start_;
    std::mutex mutex_;
    std::vector<Received> received_;
};

TEST(ScenarioPlayer, PlaysInOrderAtTheirTimesThenResends) {
    const ScenarioParse parsed = parseScenario(
        "at 0ms status job=8\n"
        "at 40ms message show mode=1\n"
        "at 80ms connection code=1\n"
        "at 120ms rename \"x\"\n");
    ASSERT_TRUE(parsed.ok());
    RecordingSink sink(Clock::now());
    ScenarioPlayer player(parsed.steps, sink);
    player.start();
    ASSERT_TRUE(sink.waitFor(4));
    player.requestResend();
    ASSERT_TRUE(sink.waitFor(5));
    player.requestStop();
    player.join();
    EXPECT_TRUE(player.finished());

    const auto got = sink.received();
    ASSERT_EQ(got.size(), 5U);
    const struct { std::uint32_t kind; std::size_t line; long long atLeastMs; } expected[] = {
        {1, 1, 0}, {0, 2, 40}, {2, 3, 80}, {3, 4, 120}, {2, 0, 120},  // re-send: the connection record
    };
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].kind, expected[i].kind) << "delivery " << i;
        EXPECT_EQ(got[i].line, expected[i].line) << "delivery " << i;
        EXPECT_GE(got[i].afterMs, expected[i].atLeastMs) << "delivery " << i;
    }
}

TEST(ScenarioPlayer, StopBeforeLaterStepsDeliversNothingMore) {
    const ScenarioParse parsed = parseScenario("at 0ms status job=8\nat 60000ms status job=3\n");
    ASSERT_TRUE(parsed.ok());
    RecordingSink sink(Clock::now());
    ScenarioPlayer player(parsed.steps, sink);
    player.start();
    ASSERT_TRUE(sink.waitFor(1));
    const auto before = Clock::now();
    player.requestStop();
    player.join();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(sink.received().size(), 1U);
}

TEST(ScenarioPlayer, ResendBeforeAnyRecordSendsNothing) {
    RecordingSink sink(Clock::now());
    ScenarioPlayer player({}, sink);
    player.start();
    player.requestResend();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    player.requestStop();
    player.join();
    EXPECT_TRUE(sink.received().empty());
}

}  // namespace
}  // namespace zrt::testbed
