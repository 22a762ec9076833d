// The companion services the frame stops at start-up and the spooler's dependents; the work
// itself belongs to the companion-services subsystem, which implements this interface.
#pragma once

#include <string>
#include <vector>

namespace zrt::un {

enum class ServiceAction { Stop, Start };

class CompanionServices {
public:
    virtual ~CompanionServices() = default;
    // 1 when the service was stopped (or started), 0 otherwise.
    virtual int controlOrvixSuiteService(ServiceAction action) = 0;
    virtual int controlKtmService(ServiceAction action) = 0;
    // Names of the services that depend on the spooler and are running, starting or
    // continuing.
    virtual std::vector<std::string> recordSpoolerDependents() = 0;
};

}  // namespace zrt::un
