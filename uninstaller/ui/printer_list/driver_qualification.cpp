#include "uninstaller/ui/printer_list/driver_qualification.h"

#include <cstdio>
#include <limits>

#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/profile_lists.h"
#include "uninstaller/frame/system_queries.h"

namespace zrt::un {
namespace {

// The leading decimal digits of a field as a number (saturating); 0 when there are none.
unsigned long long fieldNumber(const std::string& field) {
    constexpr unsigned long long kMax = std::numeric_limits<unsigned long long>::max() / 10 - 9;
    unsigned long long value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            break;
        }
        if (value < kMax) {
            value = value * 10 + static_cast<unsigned long long>(c - '0');
        }
    }
    return value;
}

std::vector<std::string> fields(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
    }
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        out.push_back(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) {
            return out;
        }
        start = dot + 1;
    }
}

}  // namespace

int CompareVersions(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return 0;
    }
    const auto fa = fields(a);
    const auto fb = fields(b);
    for (std::size_t i = 0; i < fa.size() && i < fb.size(); ++i) {
        const auto na = fieldNumber(fa[i]);
        const auto nb = fieldNumber(fb[i]);
        if (na != nb) {
            return na > nb ? 1 : -1;
        }
    }
    return 0;
}

std::optional<std::string> driverProductVersion(Files& files, const std::string& path) {
    std::string language = "040904e4";
    const auto translation = files.versionValue(path, "\\VarFileInfo\\Translation");
    if (!translation && translation.error() == kErrorResourceTypeNotFound) {
        return std::nullopt;
    }
    if (translation && translation.value().size() >= 4) {
        const auto& t = translation.value();
        const auto byte = [&t](std::size_t i) { return static_cast<unsigned char>(t[i]); };
        char buffer[16];
        // The language word, then the code page word, each high byte first.
        std::snprintf(buffer, sizeof buffer, "%02x%02x%02x%02x", byte(1), byte(0), byte(3),
                      byte(2));
        language = buffer;
    }
    auto version = files.versionValue(path, "\\StringFileInfo\\" + language + "\\ProductVersion");
    if (!version) {
        return std::nullopt;
    }
    return std::move(version).value();
}

DriverQualifier::DriverQualifier(const UninstallConfig& config, int osCode)
    : osCode_(osCode), uninstallDriverCount_(config.uninstallDriverCount) {
    configuredDrivers_ = listEntries(config.uninstallDrivers);
    for (std::string& name : listEntries(config.uninstallOldDrivers)) {
        configuredDrivers_.push_back(std::move(name));
    }
    anyVersions_ = listEntries(config.anyVersionMarks);
    borderlines_ = isWin2000OrLater(osCode) ? listEntries(config.driverBorderlineVersions)
                                            : anyVersions_;
}

std::optional<std::size_t> DriverQualifier::position(const std::string& driverName,
                                                     TextServices& text) const {
    for (std::size_t p = 0; p < configuredDrivers_.size(); ++p) {
        const std::string& entry = configuredDrivers_[p];
        if (entry.size() == driverName.size() && compareNoCase(entry, driverName, text) == 0) {
            return p;
        }
    }
    return std::nullopt;
}

std::optional<std::string> DriverQualifier::borderlineAt(std::size_t position) const {
    if (isNtFamily(osCode_)) {
        // All "Uninstall Drivers" entries and the first old driver.
        if (uninstallDriverCount_ < 0 || position > static_cast<std::size_t>(uninstallDriverCount_)) {
            return std::nullopt;
        }
        return position < borderlines_.size() ? borderlines_[position] : std::string();
    }
    return position < anyVersions_.size() ? anyVersions_[position] : std::string();
}

bool DriverQualifier::versionPasses(const std::string& borderline,
                                    const std::string& version) const {
    if (borderline.empty()) {
        return true;  // no borderline to hold the driver back
    }
    if (isWin2000OrLater(osCode_)) {
        return CompareVersions(borderline, version) != 1;
    }
    return borderline.compare(version) > 0;  // byte by byte: "A" passes every numeric version
}

bool DriverQualifier::qualifies(const std::string& driverName,
                                const std::optional<std::vector<DriverInfo3>>& installed,
                                Files& files, TextServices& text) const {
    const auto p = position(driverName, text);
    if (!p) {
        return false;
    }
    const auto borderline = borderlineAt(*p);
    if (!borderline) {
        return false;
    }
    if (!installed) {
        return true;
    }
    const DriverInfo3* driver = nullptr;
    for (const DriverInfo3& candidate : *installed) {
        if (compareNoCase(candidate.name, driverName, text) == 0) {
            driver = &candidate;
            break;
        }
    }
    if (driver == nullptr) {
        return true;
    }
    const auto version = driverProductVersion(files, driver->driverPath);
    if (!version) {
        return true;
    }
    return versionPasses(*borderline, *version);
}

}  // namespace zrt::un
