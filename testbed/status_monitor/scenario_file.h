// Reads and parses the scenario file named by ZRT7QSMK_SCENARIO for a new session and logs the
// outcome to the call log ("scenario handle=1 file=... steps=4", or the line and reason of the
// first error, in which case nothing is played).
#pragma once

#include <cstdint>
#include <vector>

#include "testbed/status_monitor/scenario.h"

namespace zrt::testbed {

// Largest scenario file read.
inline constexpr std::uint64_t kMaxScenarioBytes = 16U * 1024U * 1024U;

std::vector<ScenarioStep> loadScenarioForSession(std::uint32_t handleId);

}  // namespace zrt::testbed
