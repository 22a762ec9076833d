#include "uninstaller/frame/uninstall_log.h"

#include <cstdio>

namespace zrt::un {
namespace {

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

// The text with every bare LF written as CR LF, as a text-mode file writes it; a CR LF that is
// already there stays one line end.
std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            out += '\r';
        }
        out += text[i];
    }
    return out;
}

}  // namespace

std::string logTimeStamp(const LocalTime& t) {
    if (!inRange(t.year, 0, 9999) || !inRange(t.month, 1, 12) || !inRange(t.day, 1, 31) ||
        !inRange(t.hour, 0, 23) || !inRange(t.minute, 0, 59) || !inRange(t.second, 0, 61)) {
        return {};
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d:%02d:%02d:%02d\t", t.year, t.month,
                  t.day, t.hour, t.minute, t.second);
    return buffer;
}

Outcome<std::unique_ptr<UninstallLog>> UninstallLog::create(Files& files, Clock& clock,
                                                            const std::string& path) {
    auto file = files.createTextFile(path);
    if (!file) {
        return failed<std::unique_ptr<UninstallLog>>(file.error());
    }
    auto log = std::make_unique<UninstallLog>();
    log->file_ = std::move(file).value();
    log->clock_ = &clock;
    log->path_ = path;
    return Outcome<std::unique_ptr<UninstallLog>>(std::move(log));
}

void UninstallLog::write(const std::string& text) {
    if (file_ == nullptr) {
        return;
    }
    std::string line;
    if (const std::optional<LocalTime> time = clock_->now()) {
        line = logTimeStamp(*time);
    }
    line += withCrLf(text);
    line += "\r\n";
    static_cast<void>(file_->write(line));  // a line that cannot be written is lost
}

void UninstallLog::close() {
    if (file_ == nullptr) {
        return;
    }
    static_cast<void>(file_->flush());
    file_->close();
    file_.reset();
}

}  // namespace zrt::un
