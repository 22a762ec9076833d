// Plays a scenario on a worker thread: each step at its time after start(), deliveries through
// a DeliverySink. Also re-sends the current status (the last status or connection record) on
// request, also after the last step, until stopped. Portable (standard threads).
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "testbed/status_monitor/delivery.h"
#include "testbed/status_monitor/scenario.h"

namespace zrt::testbed {

// Where the player's deliveries go. Called on the player's thread.
class DeliverySink {
public:
    virtual ~DeliverySink() = default;
    // step: the scenario step, or none for a re-sent current record.
    virtual void deliver(const Delivery& delivery, const ScenarioStep* step) = 0;
    virtual void post(const MessageStep& message, const ScenarioStep& step) = 0;
};

class ScenarioPlayer {
public:
    ScenarioPlayer(std::vector<ScenarioStep> steps, DeliverySink& sink);
    ~ScenarioPlayer();  // stops and joins
    ScenarioPlayer(const ScenarioPlayer&) = delete;
    ScenarioPlayer& operator=(const ScenarioPlayer&) = delete;

    void start();
    // Re-send the current record soon; nothing when none was delivered yet.
    void requestResend();
    // No delivery starts after this returns; one under way may still complete.
    void requestStop();
    // True once the thread has left its loop (join() then returns at once).
    bool finished() const { return finished_.load(); }
    void join();

private:
    void run();
    // Waits until `until` or a request; returns false when stopped.
    bool waitUntil(std::chrono::steady_clock::time_point until);
    void resendIfRequested();

    std::vector<ScenarioStep> steps_;
    DeliverySink& sink_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool resend_ = false;
    std::optional<Delivery> current_;  // only touched by the thread
    std::atomic<bool> finished_{false};
    std::chrono::steady_clock::time_point start_;
    std::thread thread_;
};

}  // namespace zrt::testbed
