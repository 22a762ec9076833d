// Which drivers the printer list shows: a driver named in the configuration whose installed
// version is not older than its borderline (per platform class).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "uninstaller/frame/system/machine.h"
#include "uninstaller/frame/system/spooler.h"
#include "uninstaller/frame/uninstall_config.h"

namespace zrt::un {

// Dotted version texts ("," counts as "."), fields compared as decimal numbers from the left;
// equal as soon as either side runs out of fields or is empty. 1, -1 or 0.
int CompareVersions(const std::string& a, const std::string& b);

// The "ProductVersion" of a file under the language and code page of its first translation
// entry, or under "040904e4" when it has no translation table; nullopt without a version.
std::optional<std::string> driverProductVersion(Files& files, const std::string& path);

class DriverQualifier {
public:
    DriverQualifier(const UninstallConfig& config, int osCode);

    // The configured drivers: "Uninstall Drivers" followed by "Uninstall Old Drivers".
    const std::vector<std::string>& configuredDrivers() const { return configuredDrivers_; }
    const std::vector<std::string>& anyVersions() const { return anyVersions_; }
    const std::vector<std::string>& borderlines() const { return borderlines_; }

    // The position of the driver among the configured drivers, when it is there.
    std::optional<std::size_t> position(const std::string& driverName, TextServices& text) const;
    // The borderline that applies to the driver at `position`; nullopt when the platform class
    // never lists it.
    std::optional<std::string> borderlineAt(std::size_t position) const;
    // `installed` is the driver enumeration, nullopt when it failed.
    bool qualifies(const std::string& driverName,
                   const std::optional<std::vector<DriverInfo3>>& installed, Files& files,
                   TextServices& text) const;
    bool versionPasses(const std::string& borderline, const std::string& version) const;

private:
    int osCode_;
    int uninstallDriverCount_;
    std::vector<std::string> configuredDrivers_;
    std::vector<std::string> anyVersions_;
    std::vector<std::string> borderlines_;
};

}  // namespace zrt::un
