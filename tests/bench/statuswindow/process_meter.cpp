#include "process_meter.h"

#include <psapi.h>

#include <cstdlib>
#include <string>

namespace zrt::bench {

namespace {

std::uint64_t microseconds(const FILETIME& t) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return ticks / 10;  // 100-ns units
}

std::string readSmallFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text(8192, '\0');
    DWORD read = 0;
    if (!ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) read = 0;
    CloseHandle(file);
    text.resize(read);
    for (char& c : text)
        if (c == '\0') c = ' ';
    return text;
}

}  // namespace

std::uint64_t hostAnonymousBytes(const char* mark1, const char* mark2) {
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    std::uint64_t bytes = 0;
    do {
        if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
        const std::wstring folder = std::wstring(L"Z:\\proc\\") + entry.cFileName;
        const std::string line = readSmallFile(folder + L"\\cmdline");
        if (line.find(mark1) == std::string::npos || line.find(mark2) == std::string::npos) continue;
        const std::string status = readSmallFile(folder + L"\\status");
        const std::size_t at = status.find("RssAnon:");
        if (at != std::string::npos) bytes = std::strtoull(status.c_str() + at + 8, nullptr, 10) * 1024;
        break;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return bytes;
}

std::uint64_t cpuMicroseconds(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return microseconds(kernel) + microseconds(user);
}

MemoryFigures memoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    MemoryFigures figures;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return figures;
    figures.privateBytes = counters.PrivateUsage;
    figures.workingSetBytes = counters.WorkingSetSize;
    figures.peakWorkingSetBytes = counters.PeakWorkingSetSize;
    figures.ok = true;
    return figures;
}

std::uint64_t nowMs() { return GetTickCount64(); }

}  // namespace zrt::bench
