// A scenario of the status-monitor stand-in written to a temporary file, deleted again when
// the object goes.
#pragma once

#include <string>

namespace zrt::testbed {

class ScenarioTextFile {
public:
    // utf8Text: the scenario lines; the file is named after `name` in the temporary folder.
    ScenarioTextFile(const std::wstring& name, const std::string& utf8Text);
    ~ScenarioTextFile();
    ScenarioTextFile(const ScenarioTextFile&) = delete;
    ScenarioTextFile& operator=(const ScenarioTextFile&) = delete;

    bool written() const { return written_; }
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    bool written_ = false;
};

}  // namespace zrt::testbed
