#include "testbed/status_monitor/session.h"

#include <map>
#include <mutex>

namespace zrt::testbed {
namespace {

struct Registry {
    std::mutex lock;
    std::uint32_t lastId = 0;
    std::map<std::uint32_t, std::unique_ptr<Session>> sessions;
};

// Never destroyed: a session left open at unload must not be torn down under the loader lock.
Registry& registry() {
    static Registry* const instance = new Registry;
    return *instance;
}

}  // namespace

std::uint32_t handleId(HANDLE handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    return value <= 0xFFFFFFFFU ? static_cast<std::uint32_t>(value) : 0;
}

HANDLE handleOf(std::uint32_t id) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(id)); }

std::uint32_t addSession(std::unique_ptr<Session> session) {
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    const std::uint32_t id = ++r.lastId;
    session->id = id;
    r.sessions[id] = std::move(session);
    return id;
}

bool withSession(std::uint32_t id, const std::function<void(Session&)>& use) {
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    const auto found = r.sessions.find(id);
    if (found == r.sessions.end()) return false;
    use(*found->second);
    return true;
}

std::unique_ptr<Session> takeSession(std::uint32_t id) {
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    const auto found = r.sessions.find(id);
    if (found == r.sessions.end()) return nullptr;
    auto session = std::move(found->second);
    r.sessions.erase(found);
    return session;
}

std::size_t playingSessionCount() {
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    std::size_t count = 0;
    for (const auto& entry : r.sessions) {
        if (entry.second->player) ++count;
    }
    return count;
}

void stopSession(Session& session) {
    if (!session.player) return;
    session.player->requestStop();
    while (!session.player->finished()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    session.player->join();
}

}  // namespace zrt::testbed
