// Starting again the services that depended on the spooler, through the service manager, until
// the companion-services subsystem's "net start" takes this over.
#pragma once

#include "uninstaller/frame/system/services.h"
#include "uninstaller/ui/printer_list/printer_list.h"

namespace zrt::un {

class ServiceManagerRestart final : public SpoolerDependentsRestart {
public:
    explicit ServiceManagerRestart(Services& services) : services_(services) {}
    // In order, until an empty name.
    void restart(const std::vector<std::string>& dependents) override;

private:
    Services& services_;
};

}  // namespace zrt::un
