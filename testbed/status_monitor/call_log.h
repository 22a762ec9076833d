// The stand-in's call log: one UTF-8 line per call or delivery, appended to the file named by
// ZRT7QSMK_LOG (nothing is written when it is unset). Safe from any thread.
#pragma once

#include <string>

#include "testbed/status_monitor/call_log_line.h"

namespace zrt::testbed {

void appendCallLog(const std::string& line);
inline void appendCallLog(const CallLogLine& line) { appendCallLog(line.str()); }

}  // namespace zrt::testbed
