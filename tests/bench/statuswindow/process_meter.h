// CPU time and memory of another process, as Windows reports them (GetProcessTimes,
// GetProcessMemoryInfo).
#pragma once

#include <windows.h>

#include <cstdint>

namespace zrt::bench {

// User plus kernel CPU time of the process so far, in microseconds.
std::uint64_t cpuMicroseconds(HANDLE process);

struct MemoryFigures {
    std::uint64_t privateBytes = 0;     // PROCESS_MEMORY_COUNTERS_EX::PrivateUsage
    std::uint64_t workingSetBytes = 0;  // WorkingSetSize
    std::uint64_t peakWorkingSetBytes = 0;
    bool ok = false;
};
MemoryFigures memoryOf(HANDLE process);

// Under Wine another process's private bytes read as 0 (Wine fills them from the swap use of
// the host process). The host's own figure for it: "RssAnon" (anonymous resident memory) of the
// host process whose command line holds both marks, read through drive Z: from /proc; 0 when
// not found.
std::uint64_t hostAnonymousBytes(const char* mark1, const char* mark2);

// Wall-clock milliseconds since an arbitrary start.
std::uint64_t nowMs();

}  // namespace zrt::bench
