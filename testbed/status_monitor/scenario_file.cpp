#include "testbed/status_monitor/scenario_file.h"

#include <windows.h>

#include <string>

#include "testbed/status_monitor/call_log.h"
#include "testbed/status_monitor/standin_config.h"
#include "testbed/status_monitor/unique_handle.h"

namespace zrt::testbed {
namespace {

// The file's bytes, or the reason it could not be read.
bool readWholeFile(const std::wstring& path, std::string& bytes, std::string& reason) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        reason = "cannot open (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kMaxScenarioBytes) {
        reason = "file too large";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        reason = "cannot read (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return true;
}

}  // namespace

std::vector<ScenarioStep> loadScenarioForSession(std::uint32_t handleId) {
    const auto path = environmentValue(kScenarioVariable);
    if (!path || path->empty()) return {};
    CallLogLine line("scenario");
    line.number("handle", handleId).text("file", toU16(*path));
    std::string bytes;
    std::string reason;
    if (!readWholeFile(*path, bytes, reason)) {
        appendCallLog(line.utf8("error", reason));
        return {};
    }
    ScenarioParse parsed = parseScenario(bytes);
    if (!parsed.ok()) {
        appendCallLog(line.number("errorLine", parsed.problem->line)
                          .utf8("error", describe(*parsed.problem)));
        return {};
    }
    appendCallLog(line.number("steps", parsed.steps.size()));
    return std::move(parsed.steps);
}

}  // namespace zrt::testbed
