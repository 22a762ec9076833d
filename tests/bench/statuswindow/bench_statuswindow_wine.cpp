// Costs of the real status window program (ZRT7QSWK.EXE) under Wine, measured from outside
// with GetProcessTimes and GetProcessMemoryInfo on its process:
//   1. CPU time per status delivery to the hidden window ("Showing" = 1, launch mode 0);
//   2. CPU time per full repaint of the shown window (all panes invalidated and updated);
//   3. CPU use while the paper animation runs (pages advancing every second), % of one core;
//   4. private bytes of the running window.
// Run under an X display (tools/bench.sh uses a private Xvfb) with the programs and libraries
// of the suite beside this one: ZRT_WINE_DISPLAY=1 tools/wine-run.sh bench_statuswindow_wine.exe
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "bench_session.h"
#include "process_meter.h"
#include "testbed/status_window_process/scenario_text_file.h"
#include "testbed/status_window_process/status_window_process.h"

namespace {

using namespace zrt::bench;
using zrt::testbed::StatusWindowProcess;

constexpr int kDeliveries = 2000;
constexpr int kRepaints = 500;
constexpr DWORD kRepaintPaceMs = 10;
constexpr DWORD kIdleMs = 4000;
constexpr DWORD kAnimationMs = 10000;

std::optional<StatusWindowProcess> startWindow(unsigned launchMode, const std::wstring& scenario = L"") {
    zrt::testbed::StatusWindowStart how;
    how.folder = zrt::testbed::ownFolder();
    how.printer = kBenchPrinter;
    how.launchMode = launchMode;
    how.scenario = scenario;
    std::optional<StatusWindowProcess> program = StatusWindowProcess::start(how);
    if (!program || program->waitForWindow(20000) == nullptr) {
        std::fwprintf(stderr, L"the status window did not start\n");
        return std::nullopt;
    }
    return program;
}

void printMemory(const wchar_t* what, HANDLE process) {
    const MemoryFigures m = memoryOf(process);
    if (!m.ok) {
        std::fwprintf(stdout, L"%ls: GetProcessMemoryInfo failed (error %lu)\n", what, GetLastError());
        return;
    }
    std::fwprintf(stdout, L"%ls: private bytes %.1f MiB, working set %.1f MiB (peak %.1f MiB)\n", what,
                  static_cast<double>(m.privateBytes) / 1048576.0, static_cast<double>(m.workingSetBytes) / 1048576.0,
                  static_cast<double>(m.peakWorkingSetBytes) / 1048576.0);
    const std::uint64_t anonymous = hostAnonymousBytes("ZRT7QSWK.EXE", "Bench KX");
    if (anonymous != 0)
        std::fwprintf(stdout, L"%ls: anonymous resident memory of its host process (RssAnon) %.1f MiB\n", what,
                      static_cast<double>(anonymous) / 1048576.0);
}

// CPU microseconds the process used over a wall-clock period of ms.
double cpuOver(HANDLE process, DWORD ms) {
    const std::uint64_t before = cpuMicroseconds(process);
    Sleep(ms);
    return static_cast<double>(cpuMicroseconds(process) - before);
}

bool measureHiddenDeliveries(const BenchPrinter& printer) {
    printer.setSetting(L"Showing", 1);
    std::optional<StatusWindowProcess> program = startWindow(0);
    if (!program) return false;
    const HWND window = program->window();
    const auto records = printingRecords(500);
    for (int i = 0; i < 50; ++i) deliver(window, records[static_cast<std::size_t>(i)]);  // warm-up
    const std::uint64_t wallBefore = nowMs();
    const std::uint64_t before = cpuMicroseconds(program->process());
    int handled = 0;
    for (int i = 0; i < kDeliveries; ++i)
        if (deliver(window, records[static_cast<std::size_t>(i) % records.size()])) ++handled;
    const double cpu = static_cast<double>(cpuMicroseconds(program->process()) - before);
    const double wall = static_cast<double>(nowMs() - wallBefore);
    std::fwprintf(stdout, L"deliveries to the hidden window: %d of %d handled, window %ls\n", handled, kDeliveries,
                  IsWindowVisible(window) ? L"VISIBLE (not a hidden measurement)" : L"hidden");
    std::fwprintf(stdout, L"  CPU time per delivery (window process): %.1f us; wall time per delivery: %.1f us\n",
                  cpu / kDeliveries, wall * 1000.0 / kDeliveries);
    printMemory(L"  hidden window after the deliveries", program->process());
    printer.setSetting(L"Showing", 0);
    return program->quit();
}

bool measureRepaints() {
    std::optional<StatusWindowProcess> program = startWindow(1);
    if (!program || !program->waitVisible(10000)) return false;
    const HWND window = program->window();
    deliver(window, paperOutRecord());  // a steady picture with message text, no animation
    Sleep(1500);
    const double idle = cpuOver(program->process(), kIdleMs) / kIdleMs;  // us per ms
    const std::uint64_t wallBefore = nowMs();
    const std::uint64_t before = cpuMicroseconds(program->process());
    for (int i = 0; i < kRepaints; ++i) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(kRepaintPaceMs);
    }
    Sleep(200);
    const double wall = static_cast<double>(nowMs() - wallBefore);
    const double cpu = static_cast<double>(cpuMicroseconds(program->process()) - before) - idle * wall;
    std::fwprintf(stdout, L"full repaints of the shown window (paper out): %d\n", kRepaints);
    std::fwprintf(stdout, L"  CPU time per full repaint (window process, idle use subtracted): %.0f us\n", cpu / kRepaints);
    std::fwprintf(stdout, L"  idle CPU use of the shown window: %.2f %% of one core\n", idle / 10.0);
    printMemory(L"  shown window", program->process());
    return program->quit();
}

std::string animationScenario() {
    std::string s =
        "at 0ms status printer=0 job=0x8 jobid=12 total=20 current=1 printed=0 phase=1 source=1 paper.tray=9 "
        "paper.cassette1=9 requested=9 document=\"bench.txt\" user=\"taro\" computer=\"\\\\PC1\"\n";
    for (int page = 2; page <= 16; ++page)
        s += "at " + std::to_string((page - 1) * 1000) + "ms status current=" + std::to_string(page) +
             " printed=" + std::to_string(page - 1) + "\n";
    return s;
}

bool measureAnimation() {
    const zrt::testbed::ScenarioTextFile scenario(L"zrt_bench_animation", animationScenario());
    std::optional<StatusWindowProcess> program = startWindow(1, scenario.path());
    if (!program || !program->waitVisible(10000)) return false;
    Sleep(2000);
    const double cpu = cpuOver(program->process(), kAnimationMs);
    std::fwprintf(stdout, L"paper animation running (a page every second), over %lu ms:\n", kAnimationMs);
    // Wine counts process times in 10 ms steps.
    if (cpu < 10000.0)
        std::fwprintf(stdout, L"  CPU use of the window process: below %.2f %% of one core (under 10 ms in %lu ms)\n",
                      10000.0 / (kAnimationMs * 10.0), kAnimationMs);
    else
        std::fwprintf(stdout, L"  CPU use of the window process: %.2f %% of one core (%.1f ms CPU per second)\n",
                      cpu / (kAnimationMs * 10.0), cpu / kAnimationMs);
    printMemory(L"  window after the animation", program->process());
    return program->quit();
}

}  // namespace

int wmain() {
    const BenchPrinter printer;
    if (!printer.installed()) {
        std::fwprintf(stderr, L"cannot install the printer %ls\n", kBenchPrinter);
        return 1;
    }
    int failed = 0;
    if (!measureHiddenDeliveries(printer)) ++failed;
    if (!measureRepaints()) ++failed;
    if (!measureAnimation()) ++failed;
    return failed;
}
