#include "uninstaller/ui/printer_list/dependents_restart.h"

namespace zrt::un {

void ServiceManagerRestart::restart(const std::vector<std::string>& dependents) {
    for (const std::string& name : dependents) {
        if (name.empty()) {
            break;
        }
        services_.start(name);
    }
}

}  // namespace zrt::un
