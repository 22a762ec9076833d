#include "uninstaller/frame/interim_companion_services.h"

namespace zrt::un {

std::vector<std::string> InterimCompanionServices::recordSpoolerDependents() {
    std::vector<std::string> names;
    const auto dependents = services_.activeDependents(kSpoolerService);
    if (!dependents) {
        return names;
    }
    for (const ServiceEntry& entry : dependents.value()) {
        if (entry.state == ServiceState::Running || entry.state == ServiceState::StartPending ||
            entry.state == ServiceState::ContinuePending) {
            names.push_back(entry.name);
        }
    }
    return names;
}

}  // namespace zrt::un
