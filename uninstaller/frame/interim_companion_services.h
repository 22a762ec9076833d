// The frame's own companion services until the companion-services subsystem takes over: the
// spooler's active dependents are recorded; the suite and KTM services are left alone
// (reported as not stopped, so nothing is restarted).
#pragma once

#include "uninstaller/frame/companion_services.h"
#include "uninstaller/frame/system/services.h"

namespace zrt::un {

inline constexpr const char* kSpoolerService = "SPOOLER";

class InterimCompanionServices final : public CompanionServices {
public:
    explicit InterimCompanionServices(Services& services) : services_(services) {}
    int controlOrvixSuiteService(ServiceAction) override { return 0; }
    int controlKtmService(ServiceAction) override { return 0; }
    std::vector<std::string> recordSpoolerDependents() override;

private:
    Services& services_;
};

}  // namespace zrt::un
