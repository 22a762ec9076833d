// The bench's printer of the family in the Wine prefix and its status window settings, and
// deliveries sent to the window the way the status-monitor library sends them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::bench {

inline constexpr wchar_t kBenchPrinter[] = L"ZRT7Q Bench KX";

// Installs the printer (removed again, with its settings, when the object goes).
class BenchPrinter {
public:
    BenchPrinter();
    ~BenchPrinter();
    BenchPrinter(const BenchPrinter&) = delete;
    BenchPrinter& operator=(const BenchPrinter&) = delete;
    bool installed() const { return installed_; }
    // A REG_DWORD of the window's per-printer settings key ("Showing" and the like).
    bool setSetting(const wchar_t* name, DWORD value) const;

private:
    bool installed_ = false;
};

// Status records of a printing job, page 1..count, each different from the one before.
std::vector<std::vector<std::uint8_t>> printingRecords(std::uint32_t count);
// One paper-out record (no animation runs).
std::vector<std::uint8_t> paperOutRecord();

// WM_COPYDATA kind 1 to the window; false when it was not handled in time.
bool deliver(HWND window, const std::vector<std::uint8_t>& record);

}  // namespace zrt::bench
