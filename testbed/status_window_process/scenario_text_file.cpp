#include "testbed/status_window_process/scenario_text_file.h"

#include <windows.h>

namespace zrt::testbed {

ScenarioTextFile::ScenarioTextFile(const std::wstring& name, const std::string& utf8Text) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + name + L".scn";
    const HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    written_ = utf8Text.size() <= 0xFFFFFFFFu &&
               WriteFile(file, utf8Text.data(), static_cast<DWORD>(utf8Text.size()), &written, nullptr) &&
               written == utf8Text.size();
    CloseHandle(file);
}

ScenarioTextFile::~ScenarioTextFile() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
}

}  // namespace zrt::testbed
