#include "statuswindow/shell/resource_strings.h"

#include "statuswindow/shell_jobs/job_list.h"

namespace zrt::statuswindow::shell {

std::optional<Text> ResourceStrings::load(std::uint32_t id) const { return shell_jobs::loadProgramString(module_, id); }

}  // namespace zrt::statuswindow::shell
