// Mapping calls per second and nanoseconds per call for representative records: the whole
// request as the library answers it (view, decision, table row, notes and variants).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "presentation/core/display_mapping.h"
#include "statuswindow/record/status_record_builder.h"

namespace {

using zrt::status::StatusRecordBuilder;

std::vector<std::uint8_t> recordFor(int which) {
    switch (which) {
        case 0:  // printing, page count known: the common case, no message
            return StatusRecordBuilder().jobStatus(0x8).totalPages(5).documentName(u"report.doc").build();
        case 1:  // jam inside during a job: an early rule
            return StatusRecordBuilder().jobStatus(0x8).printerStatus(0x800000).jamStatus(0x400000).build();
        case 2:  // unsuitable toner with every paper and toner note: the longest message list
            return StatusRecordBuilder().jobStatus(0x8).printerStatus(0x10).warningStatus(0xC08003C0 | 0xF000).build();
        case 3:  // ready, no job: the last rule of its list
            return StatusRecordBuilder().build();
        default:  // connection record, port in use
            return zrt::status::makeConnectionRecord(2);
    }
}

const char* const kNames[] = {"printing_200", "jam_inside_402", "notes_214", "ready_300", "connection_507"};

void BM_MapDisplay(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const std::vector<std::uint8_t> record = recordFor(which);
    const std::uint32_t kind = which == 4 ? 1u : 0u;
    for (auto _ : state) {
        const std::uint8_t* data = record.data();
        benchmark::DoNotOptimize(data);
        auto display = zrt::presentation::mapDisplay(kind, data, record.size(), 200);
        benchmark::DoNotOptimize(display);
    }
    state.SetLabel(kNames[which]);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MapDisplay)->DenseRange(0, 4);

}  // namespace

BENCHMARK_MAIN();
