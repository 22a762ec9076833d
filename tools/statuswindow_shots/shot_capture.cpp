#include "tools/statuswindow_shots/shot_capture.h"

#include <cstdio>

#include "tools/capture/window_capture.h"

namespace zrt::tools::shots {

namespace {

constexpr DWORD kSettleMs = 300;  // for the uncovered parts to be painted again
constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

}  // namespace

bool takeShot(HWND window, const std::wstring& folder, const std::wstring& name) {
    const bool wasTopmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (!wasTopmost) SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(kSettleMs);
    const std::wstring path = folder + L"\\" + name + L".bmp";
    const bool ok = captureWindowToBmp(window, path, CaptureSource::Screen);
    if (!wasTopmost) SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
    RECT r{};
    GetWindowRect(window, &r);
    if (ok) std::fwprintf(stdout, L"picture %ls\n", path.c_str());
    else std::fwprintf(stderr, L"no picture of %ls (window %ld,%ld-%ld,%ld, error %lu)\n", path.c_str(), r.left, r.top, r.right, r.bottom, GetLastError());
    std::fflush(ok ? stdout : stderr);
    return ok;
}

}  // namespace zrt::tools::shots
