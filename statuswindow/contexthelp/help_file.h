// The help file's path: the printer driver directory of the local machine, "\3\" and the name
// the presentation library supplies (kind 2).
#pragma once

#include <optional>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::contexthelp {

// Kind of PSM_GetFileName that names the help file.
inline constexpr int kHelpFileKind = 2;
inline constexpr char16_t kVersionFolder[] = u"\\3\\";

// The path, or none when the directory or the name is unknown (then no help is called).
std::optional<Text> helpFilePath(TextView driverDirectory, TextView fileName);

}  // namespace zrt::statuswindow::contexthelp
