// The main window as the core's host: carrying out effects and answering the core's questions.
#include "statuswindow/shell/main_window.h"

// main_window.h brings windows.h, which commctrl.h builds on.
#include <commctrl.h>

#include <vector>

#include "statuswindow/shell/display_record.h"
#include "statuswindow/shell/spooler.h"
#include "statuswindow/shell/system_probe.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

// ---- host side of the core ---------------------------------------------------------------------

void MainWindow::apply(const Effect& e) {
    const auto paneOf = [this](std::uint32_t a) { return child(static_cast<Pane>(a)); };
    switch (e.kind) {
        case EffectKind::Show: ShowWindow(hwnd_, SW_SHOW); break;
        case EffectKind::ShowNoActivate: ShowWindow(hwnd_, SW_SHOWNA); break;
        case EffectKind::Hide: ShowWindow(hwnd_, SW_HIDE); break;
        case EffectKind::Minimize: ShowWindow(hwnd_, SW_MINIMIZE); break;
        case EffectKind::Restore: ShowWindow(hwnd_, SW_RESTORE); break;
        case EffectKind::SetForeground: SetForegroundWindow(hwnd_); break;
        case EffectKind::SetActive: SetActiveWindow(hwnd_); break;
        case EffectKind::StartTimer: SetTimer(hwnd_, e.a, e.b, nullptr); break;
        case EffectKind::StopTimer: KillTimer(hwnd_, e.a); break;
        case EffectKind::Invalidate:
            if (HWND w = paneOf(e.a)) InvalidateRect(w, nullptr, FALSE);
            break;
        case EffectKind::Repaint:
            if (HWND w = paneOf(e.a)) {
                InvalidateRect(w, nullptr, TRUE);
                UpdateWindow(w);
            }
            break;
        case EffectKind::PlaySound: playSound(e.text); break;
        case EffectKind::JobRequest: jobRequest(e.a, e.b); break;
        case EffectKind::StartPolling:
            if (libs_.monitor.startPolling != nullptr && monitorHandle_ != nullptr) libs_.monitor.startPolling(monitorHandle_);
            break;
        case EffectKind::StopPolling:
            if (libs_.monitor.stopPolling != nullptr && monitorHandle_ != nullptr) libs_.monitor.stopPolling(monitorHandle_);
            break;
        case EffectKind::ClosePrinter:
            if (libs_.monitor.closePrinter != nullptr && monitorHandle_ != nullptr) libs_.monitor.closePrinter(monitorHandle_);
            break;
        case EffectKind::ChangePrinterName:
            if (libs_.monitor.changePrinterName != nullptr && monitorHandle_ != nullptr)
                libs_.monitor.changePrinterName(monitorHandle_, toWide(e.text).c_str());
            break;
        case EffectKind::WriteSetting: settings().write(e.text, e.a); break;
        case EffectKind::SetTitle:
            if (hwnd_ != nullptr) SetWindowTextW(hwnd_, toWide(e.text).c_str());
            break;
        case EffectKind::RetakeMutex:
            if (start_.mutex != nullptr) start_.mutex->retake(e.text);
            break;
        case EffectKind::SetDetailText:
            if (HWND w = child(Pane::Detail)) SetWindowTextW(w, toWide(e.text).c_str());
            break;
        case EffectKind::SetWindowIcon:
            if (raw_.windowIcon != nullptr) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(raw_.windowIcon));
            break;
        case EffectKind::ReevaluateOptionMenu: reevaluateOptionMenu(); break;
        // With the option items: a lock-out started by the delivery grays Cleaning at once.
        case EffectKind::RefreshJobCommands: refreshJobCommands(true); break;
        case EffectKind::SendQuit: SendMessageW(hwnd_, message::kQuit, 0, 0); break;
        case EffectKind::PostQuitToNotifyIcon:
            if (HWND icon = FindWindowW(kNotifyIconClass, nullptr)) PostMessageW(icon, message::kQuit, 0, 0);
            break;
        case EffectKind::DestroyWindow:
            if (hwnd_ != nullptr) DestroyWindow(hwnd_);
            break;
        case EffectKind::Wait: Sleep(e.a); break;
        case EffectKind::UnloadLibraries:
            monitorHandle_ = nullptr;
            libs_.monitor.forget();
            raw_ = psm::DisplayRecord{};  // points into the presentation library
            pictureCache_.discard();
            libs_.presentation = PresentationLibrary{};
            break;
    }
}

WindowFacts MainWindow::facts() {
    if (hwnd_ == nullptr) return {};
    return WindowFacts{IsWindowVisible(hwnd_) != FALSE, IsIconic(hwnd_) != FALSE};
}

std::optional<Display> MainWindow::mapDisplay(std::uint32_t previousId, const std::uint8_t* data, std::size_t size,
                                              std::uint32_t kind) {
    if (libs_.presentation.getPSWDisplay == nullptr) return std::nullopt;
    // The library reads a fixed part: a short delivery goes over in a zero-filled block.
    std::vector<std::uint8_t> block(data, data + size);
    if (block.size() < psm::kMinimumRecordBytes) block.resize(psm::kMinimumRecordBytes, 0);
    if (!libs_.presentation.getPSWDisplay(libs_.presentation.module.get(), previousId, block.data(), &raw_,
                                          static_cast<int>(kind)))
        return std::nullopt;
    return toDisplay(raw_);
}

bool MainWindow::requestStatus(std::uint32_t flag) {
    if (libs_.monitor.getPrinterStatus == nullptr || monitorHandle_ == nullptr) return false;
    return libs_.monitor.getPrinterStatus(monitorHandle_, flag) != FALSE;
}

std::uint32_t MainWindow::readSetting(TextView name, std::uint32_t defaultValue) {
    return settings().read(name, defaultValue);
}

DumpFacts MainWindow::matchFacts(const status::StatusRecordView* r) {
    SystemAttachmentProbe probe;
    DumpFacts f;
    f.attachmentKind = static_cast<std::uint32_t>(attachmentKind(core_.state().portText, core_.state().printerName, probe));
    if (r != nullptr) {
        f.userMatch = userMatch(currentUserName(), TextView(r->userName()));
        f.computerMatch = computerMatch(currentComputerName(), TextView(r->computerName()));
    }
    return f;
}

std::optional<Text> MainWindow::derivePortText() {
    return derivePortTextFromSpooler(start_.spooler, core_.state().printerName);
}

void MainWindow::jobRequest(std::uint32_t code, std::uint32_t value) {
    if (libs_.monitor.jobRequest == nullptr || monitorHandle_ == nullptr) return;
    libs_.monitor.jobRequest(monitorHandle_, code, value);
}

}  // namespace zrt::statuswindow::shell
