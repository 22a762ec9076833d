// Sends the scenario player's deliveries to the status window: WM_COPYDATA by
// SendMessageTimeout, private messages by PostMessage. Logs each one to the call log.
#pragma once

#include <windows.h>

#include <cstdint>

#include "testbed/status_monitor/scenario_player.h"

namespace zrt::testbed {

// How long one delivery may wait for the window before it is given up.
inline constexpr UINT kDeliveryTimeoutMs = 5000;

class WindowSink final : public DeliverySink {
public:
    WindowSink(HWND window, std::uint32_t handleId) : window_(window), handleId_(handleId) {}

    void deliver(const Delivery& delivery, const ScenarioStep* step) override;
    void post(const MessageStep& message, const ScenarioStep& step) override;

private:
    HWND window_;
    std::uint32_t handleId_;
};

// Window message number of a private message.
UINT messageNumber(PrivateMessage message);

}  // namespace zrt::testbed
