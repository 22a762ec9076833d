// The silent-mode log: one time-stamped line per call, CR LF line ends, a new file each run.
// A log made without a path discards every line.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "uninstaller/frame/system/clock.h"
#include "uninstaller/frame/system/files.h"

namespace zrt::un {

// "%Y/%m/%d:%H:%M:%S\t"
std::string logTimeStamp(const LocalTime& time);

class UninstallLog {
public:
    UninstallLog() = default;  // the null log
    // Creates `path` anew; the error when it cannot be created.
    static Outcome<std::unique_ptr<UninstallLog>> create(Files& files, Clock& clock,
                                                         const std::string& path);

    void write(const std::string& text);
    void close();
    bool isNull() const { return file_ == nullptr; }
    const std::string& path() const { return path_; }

private:
    std::unique_ptr<TextFileWriter> file_;
    Clock* clock_ = nullptr;
    std::string path_;
};

}  // namespace zrt::un
