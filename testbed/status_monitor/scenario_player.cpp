#include "testbed/status_monitor/scenario_player.h"

#include <utility>

#include "statuswindow/record/status_record_layout.h"

namespace zrt::testbed {

ScenarioPlayer::ScenarioPlayer(std::vector<ScenarioStep> steps, DeliverySink& sink)
    : steps_(std::move(steps)), sink_(sink) {}

ScenarioPlayer::~ScenarioPlayer() {
    requestStop();
    join();
}

void ScenarioPlayer::start() {
    start_ = std::chrono::steady_clock::now();
    thread_ = std::thread([this] { run(); });
}

void ScenarioPlayer::requestResend() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        resend_ = true;
    }
    wake_.notify_all();
}

void ScenarioPlayer::requestStop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

void ScenarioPlayer::join() {
    if (thread_.joinable()) thread_.join();
}

bool ScenarioPlayer::waitUntil(std::chrono::steady_clock::time_point until) {
    while (true) {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait_until(lock, until, [this] { return stop_ || resend_; });
        if (stop_) return false;
        if (!resend_) return true;  // time reached
        lock.unlock();
        resendIfRequested();
    }
}

void ScenarioPlayer::resendIfRequested() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!resend_ || stop_) return;
        resend_ = false;
    }
    if (current_) sink_.deliver(*current_, nullptr);
}

void ScenarioPlayer::run() {
    for (const ScenarioStep& step : steps_) {
        if (!waitUntil(start_ + std::chrono::milliseconds(step.atMs))) break;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stop_) break;
        }
        if (const auto* message = std::get_if<MessageStep>(&step.action)) {
            sink_.post(*message, step);
            continue;
        }
        auto delivery = deliveryOf(step.action);
        if (!delivery) continue;
        sink_.deliver(*delivery, &step);
        if (delivery->kind == static_cast<std::uint32_t>(status::DeliveryKind::StatusRecord) ||
            delivery->kind == static_cast<std::uint32_t>(status::DeliveryKind::ConnectionRecord)) {
            current_ = std::move(delivery);
        }
    }
    // After the last step: only re-sends until stopped.
    while (true) {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return stop_ || resend_; });
        if (stop_) break;
        lock.unlock();
        resendIfRequested();
    }
    finished_ = true;
}

}  // namespace zrt::testbed
