#include "tools/statuswindow_shots/shot_states.h"

#include <cstdio>
#include <string>

#include "testbed/status_window_process/scenario_text_file.h"
#include "testbed/status_window_process/status_window_process.h"
#include "tools/statuswindow_shots/shot_capture.h"

namespace zrt::tools::shots {

namespace {

struct NamedState {
    const wchar_t* name;
    const char* scenario;  // stand-in scenario lines (UTF-8)
    DWORD settleMs;        // after the window shows: deliveries, paints, animation frames
};

#define ZRT_JOB " jobid=12 total=5 source=1 paper.tray=9 paper.cassette1=9 requested=9" \
                " document=\"月次報告書.txt\" user=\"taro\" computer=\"\\\\PC1\""

const NamedState kStates[] = {
    // The paper animation runs while the current page grows: page 2, then page 3 of 5.
    {L"printing",
     "at 0ms status printer=0 job=0x8 current=2 printed=1 phase=1" ZRT_JOB "\n"
     "at 400ms status current=3 printed=2\n",
     1700},
    {L"paper_out", "at 0ms status printer=0x10000 warning=0x40000000 job=0x8 current=3 printed=2 phase=1" ZRT_JOB "\n", 1500},
    {L"jam_inside", "at 0ms status printer=0x800000 jam=0x400000 job=0x8 current=3 printed=2 phase=1" ZRT_JOB "\n", 1500},
    {L"cover_open", "at 0ms status printer=0x400000 job=0x8 current=3 printed=2 phase=1" ZRT_JOB "\n", 1500},
    {L"service_error", "at 0ms status printer=0x1000000 servicecall=0x200 job=0\n", 1500},
    {L"acquiring", "at 0ms connection code=1\n", 1500},
};

#undef ZRT_JOB

bool shootState(const NamedState& state, const std::wstring& folder, const std::wstring& printer) {
    const testbed::ScenarioTextFile scenario(std::wstring(L"zrt_shot_") + state.name, state.scenario);
    if (!scenario.written()) return false;
    testbed::StatusWindowStart how;
    how.folder = testbed::ownFolder();
    how.printer = printer;
    how.launchMode = 1;
    how.scenario = scenario.path();
    std::optional<testbed::StatusWindowProcess> program = testbed::StatusWindowProcess::start(how);
    if (!program) {
        std::fwprintf(stderr, L"%ls: cannot start %ls (error %lu)\n", state.name, how.folder.c_str(), GetLastError());
        return false;
    }
    if (!program->waitVisible(20000)) {
        std::fwprintf(stderr, L"%ls: the window did not show\n", state.name);
        return false;
    }
    Sleep(state.settleMs);
    const bool ok = takeShot(program->window(), folder, state.name);
    return program->quit() && ok;
}

}  // namespace

int shootStates(const std::wstring& folder, const std::wstring& printer) {
    int failed = 0;
    for (const NamedState& state : kStates) {
        if (!shootState(state, folder, printer)) ++failed;
    }
    return failed;
}

}  // namespace zrt::tools::shots
