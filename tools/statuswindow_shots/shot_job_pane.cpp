#include "tools/statuswindow_shots/shot_job_pane.h"

#include <cstdio>

#include "testbed/status_window_process/scenario_text_file.h"
#include "testbed/status_window_process/status_window_process.h"
#include "tools/statuswindow_shots/shot_capture.h"

namespace zrt::tools::shots {

namespace {

constexpr int kJobListId = 508;
constexpr WPARAM kPreferencesCommand = 120;
constexpr wchar_t kPreferencesCaption[] = L"環境設定";

// A job of another computer's user, page 3 of 5, with a long document name.
constexpr char kPrintingScenario[] =
    "at 0ms status printer=0 job=0x8 current=3 printed=2 phase=1 jobid=12 total=5 source=1"
    " paper.tray=9 paper.cassette1=9 requested=9 document=\"2026年度 見積書（最終版）.docx\""
    " user=\"yamada.hanako\" computer=\"\\\\KEIRI-PC-0123456789\"\n";

// The modal dialog of the program with the given caption, once it shows; null after timeoutMs.
HWND waitForDialog(DWORD processId, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        for (HWND w = FindWindowW(L"#32770", kPreferencesCaption); w != nullptr;
             w = FindWindowExW(nullptr, w, L"#32770", kPreferencesCaption)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == processId && IsWindowVisible(w)) return w;
        }
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int shootJobPaneAndPreferences(const std::wstring& folder, const std::wstring& printer) {
    const testbed::ScenarioTextFile scenario(L"zrt_shot_job_pane", kPrintingScenario);
    if (!scenario.written()) return 2;
    testbed::StatusWindowStart how;
    how.folder = testbed::ownFolder();
    how.printer = printer;
    how.launchMode = 1;
    how.scenario = scenario.path();
    std::optional<testbed::StatusWindowProcess> program = testbed::StatusWindowProcess::start(how);
    if (!program || !program->waitVisible(20000)) {
        std::fwprintf(stderr, L"job pane: the window did not show\n");
        return 2;
    }
    Sleep(1500);
    int failed = 0;
    const HWND list = GetDlgItem(program->window(), kJobListId);
    if (list == nullptr || !takeShot(list, folder, L"job_pane")) ++failed;

    PostMessageW(program->window(), WM_COMMAND, kPreferencesCommand, 0);
    const HWND dialog = waitForDialog(GetProcessId(program->process()), 10000);
    if (dialog == nullptr) std::fwprintf(stderr, L"preferences: the dialog did not show\n");
    if (dialog == nullptr || !takeShot(dialog, folder, L"preferences")) ++failed;
    if (dialog != nullptr) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    if (!program->quit()) ++failed;
    return failed;
}

}  // namespace zrt::tools::shots
