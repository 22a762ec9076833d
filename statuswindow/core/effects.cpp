#include "statuswindow/core/effects.h"

#include <ostream>

namespace zrt::statuswindow {

namespace {

const char* nameOf(EffectKind k) {
    switch (k) {
        case EffectKind::Show: return "Show";
        case EffectKind::ShowNoActivate: return "ShowNoActivate";
        case EffectKind::Hide: return "Hide";
        case EffectKind::Minimize: return "Minimize";
        case EffectKind::Restore: return "Restore";
        case EffectKind::SetForeground: return "SetForeground";
        case EffectKind::SetActive: return "SetActive";
        case EffectKind::StartTimer: return "StartTimer";
        case EffectKind::StopTimer: return "StopTimer";
        case EffectKind::Invalidate: return "Invalidate";
        case EffectKind::Repaint: return "Repaint";
        case EffectKind::PlaySound: return "PlaySound";
        case EffectKind::JobRequest: return "JobRequest";
        case EffectKind::StartPolling: return "StartPolling";
        case EffectKind::StopPolling: return "StopPolling";
        case EffectKind::ClosePrinter: return "ClosePrinter";
        case EffectKind::ChangePrinterName: return "ChangePrinterName";
        case EffectKind::WriteSetting: return "WriteSetting";
        case EffectKind::SetTitle: return "SetTitle";
        case EffectKind::RetakeMutex: return "RetakeMutex";
        case EffectKind::SetDetailText: return "SetDetailText";
        case EffectKind::SetWindowIcon: return "SetWindowIcon";
        case EffectKind::ReevaluateOptionMenu: return "ReevaluateOptionMenu";
        case EffectKind::RefreshJobCommands: return "RefreshJobCommands";
        case EffectKind::SendQuit: return "SendQuit";
        case EffectKind::PostQuitToNotifyIcon: return "PostQuitToNotifyIcon";
        case EffectKind::DestroyWindow: return "DestroyWindow";
        case EffectKind::Wait: return "Wait";
        case EffectKind::UnloadLibraries: return "UnloadLibraries";
    }
    return "?";
}

}  // namespace

std::string describe(const Effect& e) {
    std::string s = nameOf(e.kind);
    switch (e.kind) {
        case EffectKind::StartTimer:
        case EffectKind::JobRequest:
            return s + "(" + std::to_string(e.a) + ", " + std::to_string(e.b) + ")";
        case EffectKind::StopTimer:
        case EffectKind::Invalidate:
        case EffectKind::Repaint:
        case EffectKind::Wait:
            return s + "(" + std::to_string(e.a) + ")";
        case EffectKind::WriteSetting:
            return s + "(" + toPrintable(e.text) + ", " + std::to_string(e.a) + ")";
        case EffectKind::PlaySound:
        case EffectKind::ChangePrinterName:
        case EffectKind::SetTitle:
        case EffectKind::RetakeMutex:
        case EffectKind::SetDetailText:
            return s + "(\"" + toPrintable(e.text) + "\")";
        default:
            return s;
    }
}

std::ostream& operator<<(std::ostream& os, const Effect& e) { return os << describe(e); }

}  // namespace zrt::statuswindow
