// The stand-in's open printer sessions, one per handle it gave out. A handle is the session
// number (1, 2, ...) cast to a HANDLE, so call logs are the same from run to run.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "testbed/status_monitor/scenario_player.h"
#include "testbed/status_monitor/window_sink.h"

namespace zrt::testbed {

struct Session {
    std::uint32_t id = 0;
    HWND window = nullptr;  // none for a launcher session (SmPsw_OpenPrinter2)
    std::wstring printer;
    std::wstring port;
    std::uint32_t statusRefusalsLeft = 0;  // SmPsw_GetPrinterStatus calls still refused
    std::unique_ptr<WindowSink> sink;
    std::unique_ptr<ScenarioPlayer> player;
};

std::uint32_t handleId(HANDLE handle);
HANDLE handleOf(std::uint32_t id);

// Registers a session; returns its id.
std::uint32_t addSession(std::unique_ptr<Session> session);
// Runs `use` on the session under the registry lock; false when the id is unknown.
bool withSession(std::uint32_t id, const std::function<void(Session&)>& use);
// Takes the session out of the registry; null when unknown.
std::unique_ptr<Session> takeSession(std::uint32_t id);
// Sessions whose scenario player is still running.
std::size_t playingSessionCount();
// Stops the session's player and waits for it, handling messages sent to this thread meanwhile
// so that a delivery the player is making to this thread's window cannot deadlock the wait.
// Called from inside the window's handling of a delivery, it returns only once that delivery
// has timed out (kDeliveryTimeoutMs).
void stopSession(Session& session);

}  // namespace zrt::testbed
