// Shows the status window with a job being printed (its job pane: list, caption and toolbars)
// and the preferences dialog, in its normal state and with its groups disabled, and saves each
// as a BMP:
//   ZRT7QJOBSHOTS.EXE <folder>   -> job_pane.bmp, preferences.bmp, preferences_disabled.bmp
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "presentation/window_frame/window_layout.h"
#include "statuswindow/record/status_record_builder.h"
#include "statuswindow/shell/main_window.h"
#include "statuswindow/shell_jobs/preferences_dialog.h"
#include "window_capture.h"

namespace {

namespace sj = zrt::statuswindow::shell_jobs;

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

// The status window itself, over the presentation library and the status-monitor stand-in,
// with a job being printed delivered to it.
void shootJobPane(HINSTANCE instance) {
    std::optional<zrt::statuswindow::shell::BoundLibraries> libs = zrt::statuswindow::shell::bindLibraries();
    if (!libs) {
        std::printf("job_pane.bmp: ZRT7QPMU.DLL and ZRT7QSMK.DLL are needed beside the tool\n");
        return;
    }
    zrt::statuswindow::shell::MainWindow::registerClasses(instance);
    zrt::statuswindow::shell::StartParameters start{u"Vemar KIRSTAL KX-5180", u"USB001", 1, false, nullptr, nullptr};
    auto window = zrt::statuswindow::shell::MainWindow::create(instance, std::move(*libs), std::move(start));
    if (!window) return;
    const auto record = zrt::status::StatusRecordBuilder()
                            .jobStatus(0x8)
                            .jobId(12)
                            .totalPages(5)
                            .currentPage(3)
                            .pagesPrinted(2)
                            .documentName(u"2026年度 見積書（最終版）.docx")
                            .userName(u"yamada.hanako")
                            .computerName(u"\\\\KEIRI-PC-0123456789")
                            .build();
    COPYDATASTRUCT cds{1, static_cast<DWORD>(record.size()), const_cast<std::uint8_t*>(record.data())};
    ShowWindow(window->hwnd(), SW_SHOW);
    SendMessageW(window->hwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    UpdateWindow(window->hwnd());
    settle(1200);
    save(window->hwnd(), L"job_pane.bmp");
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
