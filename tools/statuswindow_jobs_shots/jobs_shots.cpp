// Shows the job pane (job list and its caption, with a job being printed) and the preferences
// dialog, in its normal state and with its groups disabled, and saves each as a BMP:
//   ZRT7QJOBSHOTS.EXE <folder>   -> job_pane.bmp, preferences.bmp, preferences_disabled.bmp
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "presentation/window_frame/window_layout.h"
#include "statuswindow/jobcontrol/job_pane.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/shell_jobs/job_list.h"
#include "statuswindow/shell_jobs/preferences_dialog.h"
#include "window_capture.h"

namespace {

namespace sj = zrt::statuswindow::shell_jobs;
namespace jc = zrt::statuswindow::jobcontrol;

std::wstring g_folder;
std::wstring g_shot;

void settle(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

void save(HWND window, const wchar_t* name) {
    const std::wstring path = g_folder + L"\\" + name;
    std::printf("%ls: %s\n", name, captureWindow(window, path.c_str()) ? "saved" : "failed");
}

// The texts the pane shows for a job being printed.
sj::Column1Texts sampleJob() {
    const auto record = zrt::status::StatusRecordBuilder()
                            .jobStatus(0x8)
                            .userName(u"yamada.hanako")
                            .computerName(u"\\\\KEIRI-PC-0123456789")
                            .build();
    const zrt::status::StatusRecordView view(record.data(), record.size());
    return jc::jobListColumn1(&view, u"2026年度 見積書（最終版）.docx");
}

void shootJobPane(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"ZrtJobPaneShot";
    RegisterClassW(&wc);
    const auto& layout = zrt::presentation::kWindowLayout;
    RECT frame{0, 0, layout.windowWidth, layout.windowHeight};
    AdjustWindowRect(&frame, WS_CAPTION | WS_SYSMENU, FALSE);
    const HWND window = CreateWindowExW(0, wc.lpszClassName, L"Vemar KIRSTAL KX-5180", WS_CAPTION | WS_SYSMENU, 40, 40,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                        nullptr);
    const sj::Column1Texts texts = sampleJob();
    const sj::JobListHooks hooks{[] {}, [&] { return texts; }};
    sj::createJobList(window, instance, layout, &hooks);
    const std::wstring caption = [&] {
        const auto loaded = sj::loadProgramString(instance, jc::kJobListCaptionId);
        return loaded ? std::wstring(loaded->begin(), loaded->end()) : std::wstring();
    }();
    const auto& c = layout.jobListCaption;
    const HWND label = CreateWindowExW(0, L"STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE, c.x, c.y, c.width, c.height,
                                       window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(514)), instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    settle(800);
    save(window, L"job_pane.bmp");
    DestroyWindow(window);
}

void CALLBACK shootDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = GetActiveWindow();
    if (dialog == nullptr || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    UpdateWindow(dialog);
    settle(600);
    save(dialog, g_shot.c_str());
    EndDialog(dialog, IDCANCEL);
}

void shootPreferences(HINSTANCE instance, const wchar_t* name, zrt::statuswindow::preferences::DialogFacts facts) {
    g_shot = name;
    sj::PreferencesDialogSetup setup;
    setup.live = {0, 1, 1, 1};
    setup.facts = facts;
    SetTimer(nullptr, 0, 100, shootDialog);
    sj::runPreferencesDialog(instance, nullptr, setup);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    g_folder = argc > 1 ? argv[1] : L".";
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    shootJobPane(instance);
    shootPreferences(instance, L"preferences.bmp", {true, 1});
    shootPreferences(instance, L"preferences_disabled.bmp", {false, 0});
    return 0;
}
