// Services through the service control manager.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

// SERVICE_* states.
enum class ServiceState : std::uint32_t {
    Stopped = 1, StartPending = 2, StopPending = 3, Running = 4,
    ContinuePending = 5, PausePending = 6, Paused = 7,
};

struct ServiceEntry {
    std::string name;
    std::string displayName;
    ServiceState state = ServiceState::Stopped;
};

class Services {
public:
    virtual ~Services() = default;
    // Services that depend on `name` and are active (EnumDependentServices, SERVICE_ACTIVE).
    virtual Outcome<std::vector<ServiceEntry>> activeDependents(const std::string& name) = 0;
    // kErrorServiceDoesNotExist when there is no such service.
    virtual Outcome<ServiceState> queryState(const std::string& name) = 0;
    virtual WinError start(const std::string& name) = 0;
    virtual WinError stop(const std::string& name) = 0;
    virtual WinError remove(const std::string& name) = 0;
};

}  // namespace zrt::un
