// Times PSM_GetPSWDisplay through ZRT7QPMU.DLL loaded by name: the mapping, the string loads
// into the text buffers and the resource look-ups of one call. Prints calls per second and
// nanoseconds per call for a few representative records.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "presentation/psm_interface.h"
#include "statuswindow/record/status_record_builder.h"

namespace {

using zrt::status::StatusRecordBuilder;

struct Case {
    const char* name;
    std::vector<std::uint8_t> record;
};

double secondsSince(LARGE_INTEGER start, LARGE_INTEGER frequency) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    HMODULE library = LoadLibraryW(zrt::psm::kLibraryFileName);
    if (library == nullptr) return 1;
    auto map = reinterpret_cast<zrt::psm::GetPSWDisplayFn>(
        reinterpret_cast<void*>(GetProcAddress(library, zrt::psm::kGetPSWDisplay)));
    if (map == nullptr) return 1;
    std::vector<Case> cases = {
        {"printing (200, no message)", StatusRecordBuilder().jobStatus(0x8).totalPages(5).build()},
        {"jam inside (402, one long message)", StatusRecordBuilder().jobStatus(0x8).printerStatus(0x800000).jamStatus(0x400000).build()},
        {"ready with three notes (300)", StatusRecordBuilder().printerStatus(0x10).warningStatus(0x8003C0 | 0xF000).build()},
    };
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    constexpr int kCalls = 200000;
    for (Case& c : cases) {
        c.record.resize(zrt::psm::kMinimumRecordBytes, 0);
        zrt::psm::DisplayRecord display{};
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kCalls; ++i) map(library, 200, c.record.data(), &display, 0);
        const double seconds = secondsSince(start, frequency);
        std::printf("PSM_GetPSWDisplay %-36s display %d: %10.0f calls/s, %8.1f ns/call\n", c.name,
                    display.displayId, kCalls / seconds, seconds * 1e9 / kCalls);
    }
    FreeLibrary(library);
    return 0;
}
