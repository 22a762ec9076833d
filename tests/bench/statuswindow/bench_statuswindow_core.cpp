// CPU time of one status delivery through the status window's core (no painting, no display
// mapping: the host answers with a ready-made display, as the presentation library would).
// Two streams: a printing job whose page advances with every record, and records alternating
// between printing and a paper jam (window shown, message texts rebuilt, sound chosen).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "statuswindow/core/window_core.h"
#include "statuswindow/record/status_record_builder.h"

namespace {

using namespace zrt::statuswindow;

class FixedStrings : public ProgramStrings {
public:
    std::optional<Text> load(std::uint32_t) const override { return Text(u"カセット1"); }
};

Display printingDisplay() {
    Display d;
    d.id = 200;
    d.animationMode = animation_mode::kWhilePagesAdvance;
    d.frameDurationsMs.assign(5, 1000);
    d.headline = DisplayText{0, 0, 15, 400, 5200, u"印刷中です"};
    d.pagesText = 0;  // page count shown
    return d;
}

Display jamDisplay() {
    Display d;
    d.id = 402;
    d.background = 601;
    d.headline = DisplayText{0, 0, 15, 400, 5302, u"本体内部に紙がつまりました"};
    d.messages = {DisplayText{0, 0, 15, 400, 5409, u"以下の手順にしたがって、つまった紙を取り除いてください。\r\n%1!s!"}};
    d.sound = Text(u"PrinterError");
    return d;
}

// A host that keeps the window's facts and discards the effects.
class QuietHost : public WindowHost {
public:
    void apply(const Effect& e) override {
        if (e.kind == EffectKind::Show || e.kind == EffectKind::ShowNoActivate) facts_.visible = true;
        if (e.kind == EffectKind::Hide) facts_.visible = false;
        benchmark::DoNotOptimize(&e);
    }
    WindowFacts facts() override { return facts_; }
    std::optional<Display> mapDisplay(std::uint32_t, const std::uint8_t* data, std::size_t, std::uint32_t) override {
        const std::uint32_t printer = static_cast<std::uint32_t>(data[4]) | static_cast<std::uint32_t>(data[5]) << 8 |
                                      static_cast<std::uint32_t>(data[6]) << 16 | static_cast<std::uint32_t>(data[7]) << 24;
        return printer == 0 ? printing_ : jam_;
    }
    bool requestStatus(std::uint32_t) override { return true; }
    std::uint32_t readSetting(TextView, std::uint32_t def) override { return def; }
    DumpFacts matchFacts(const zrt::status::StatusRecordView*) override { return {1, 0, 0}; }
    std::optional<Text> derivePortText() override { return Text(u"FILE:"); }
    const ProgramStrings& strings() override { return strings_; }

private:
    WindowFacts facts_{true, false};
    Display printing_ = printingDisplay();
    Display jam_ = jamDisplay();
    FixedStrings strings_;
};

std::vector<std::uint8_t> jobRecord(std::uint32_t printer, std::uint32_t page) {
    return zrt::status::StatusRecordBuilder()
        .printerStatus(printer)
        .jamStatus(printer != 0 ? 0x400000 : 0)
        .jobStatus(0x8)
        .jobId(12)
        .totalPages(1000)
        .currentPage(page)
        .pagesPrinted(page - 1)
        .paperSource(1)
        .requestedPaper(9)
        .documentName(u"月次報告書.txt")
        .userName(u"taro")
        .computerName(u"\\\\PC1")
        .build();
}

void runDeliveries(benchmark::State& state, bool withJams) {
    std::vector<std::vector<std::uint8_t>> records;
    for (std::uint32_t page = 1; page <= 512; ++page)
        records.push_back(jobRecord(withJams && page % 2 == 0 ? 0x800000 : 0, page));
    QuietHost host;
    WindowCore core(host);
    core.state().printerName = u"KX";
    core.state().portText = u"FILE:";
    core.setInitialDisplay(printingDisplay());
    std::size_t i = 0;
    for (auto _ : state) {
        const std::vector<std::uint8_t>& r = records[i];
        core.onDelivery(1, r.data(), r.size());
        // The stream starts over with a new job so that the page keeps advancing.
        if (++i == records.size()) i = 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_DeliveryPrinting(benchmark::State& state) { runDeliveries(state, false); }
void BM_DeliveryPrintingAndJam(benchmark::State& state) { runDeliveries(state, true); }

}  // namespace

BENCHMARK(BM_DeliveryPrinting);
BENCHMARK(BM_DeliveryPrintingAndJam);
BENCHMARK_MAIN();
