#include "testbed/status_monitor/call_log.h"

#include <windows.h>

#include <mutex>

#include "testbed/status_monitor/standin_config.h"
#include "testbed/status_monitor/unique_handle.h"

namespace zrt::testbed {

void appendCallLog(const std::string& line) {
    static std::mutex* const lock = new std::mutex;  // never destroyed: used until unload
    const auto path = environmentValue(kLogVariable);
    if (!path || path->empty()) return;
    const std::string text = line + "\n";
    std::lock_guard<std::mutex> guard(*lock);
    UniqueHandle file(CreateFileW(path->c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return;
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace zrt::testbed
