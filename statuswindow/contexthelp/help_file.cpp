#include "statuswindow/contexthelp/help_file.h"

namespace zrt::statuswindow::contexthelp {

std::optional<Text> helpFilePath(TextView driverDirectory, TextView fileName) {
    if (driverDirectory.empty() || fileName.empty()) return std::nullopt;
    Text path(driverDirectory);
    path += kVersionFolder;
    path += fileName;
    return path;
}

}  // namespace zrt::statuswindow::contexthelp
