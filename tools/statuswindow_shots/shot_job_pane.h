// The job pane of a printing status window on its own, and the preferences dialog the window
// opens for command 120.
#pragma once

#include <string>

namespace zrt::tools::shots {

// Pictures folder\job_pane.bmp and folder\preferences.bmp; the number that failed.
int shootJobPaneAndPreferences(const std::wstring& folder, const std::wstring& printer);

}  // namespace zrt::tools::shots
