// Running processes, by the base name of their main module.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

class Processes {
public:
    virtual ~Processes() = default;
    // Base names of the main modules of at most maxProcesses processes that could be opened;
    // kErrorProcNotFound when the process-status library or a function of it is missing.
    virtual Outcome<std::vector<std::string>> mainModuleNames(std::size_t maxProcesses) = 0;
};

}  // namespace zrt::un
