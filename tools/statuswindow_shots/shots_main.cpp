// ZRT7QSWKSHOTS.EXE states <folder> <printer>
//   pictures <folder>\<state>.bmp of the status window in each named state, then
//   <folder>\job_pane.bmp (the job list of a printing window) and <folder>\preferences.bmp.
// ZRT7QSWKSHOTS.EXE live <folder> <printer> <scenario.scn> <call log> <ms>=<name>...
//   plays the scenario in a window opened through the stand-in's SmPsw_InvokePSW and takes
//   picture <name>.bmp <ms> milliseconds after the window appeared; then waits for the window
//   to close itself.
// ZRT7QSWKSHOTS.EXE fonts <folder>
//   picture <folder>\fonts.bmp: Japanese sample text in the fonts dialogs and controls use.
// Needs a family printer of that name (ZRT7QINSTPRN.EXE) and an X display.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "tools/statuswindow_shots/font_sheet.h"
#include "tools/statuswindow_shots/live_run.h"
#include "tools/statuswindow_shots/shot_job_pane.h"
#include "tools/statuswindow_shots/shot_states.h"

namespace {

int usage() {
    std::fputws(L"usage: ZRT7QSWKSHOTS.EXE states <folder> <printer>\n"
                L"       ZRT7QSWKSHOTS.EXE fonts <folder>\n"
                L"       ZRT7QSWKSHOTS.EXE live <folder> <printer> <scenario.scn> <call log> <ms>=<name>...\n",
                stderr);
    return 2;
}

bool parseShot(const std::wstring& arg, zrt::tools::shots::TimedShot& shot) {
    const std::size_t eq = arg.find(L'=');
    if (eq == 0 || eq == std::wstring::npos || eq + 1 == arg.size() || eq > 9) return false;
    for (std::size_t i = 0; i < eq; ++i)
        if (arg[i] < L'0' || arg[i] > L'9') return false;
    shot.atMs = static_cast<DWORD>(std::wcstoul(arg.substr(0, eq).c_str(), nullptr, 10));
    shot.name = arg.substr(eq + 1);
    return shot.name.find_first_of(L"\\/:") == std::wstring::npos;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"fonts") return zrt::tools::shots::drawFontSheet(argv[2]) ? 0 : 1;
    if (argc < 4) return usage();
    const std::wstring command = argv[1];
    if (command == L"states" && argc == 4)
        return zrt::tools::shots::shootStates(argv[2], argv[3]) +
               zrt::tools::shots::shootJobPaneAndPreferences(argv[2], argv[3]);
    if (command != L"live" || argc < 7) return usage();
    zrt::tools::shots::LiveRun run;
    run.folder = argv[2];
    run.printer = argv[3];
    run.scenario = argv[4];
    run.callLog = argv[5];
    for (int i = 6; i < argc; ++i) {
        zrt::tools::shots::TimedShot shot;
        if (!parseShot(argv[i], shot)) return usage();
        run.shots.push_back(shot);
    }
    return zrt::tools::shots::runLive(run);
}
