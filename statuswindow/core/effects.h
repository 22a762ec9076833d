// What the status window must do now: the core decides, the shell carries each effect out
// the moment the core hands it over (so that a later decision sees the window as it is).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "statuswindow/core/text.h"
#include "statuswindow/core/window_ids.h"

namespace zrt::statuswindow {

enum class EffectKind {
    Show,                  // SW_SHOW
    ShowNoActivate,        // SW_SHOWNA
    Hide,                  // SW_HIDE
    Minimize,              // SW_MINIMIZE
    Restore,               // SW_RESTORE
    SetForeground,         // SetForegroundWindow
    SetActive,             // SetActiveWindow
    StartTimer,            // a = timer id, b = interval in ms
    StopTimer,             // a = timer id
    Invalidate,            // a = Pane, without erasing
    Repaint,               // a = Pane: invalidate and update now
    PlaySound,             // text = sound name of the display
    JobRequest,            // SmPsw_JobRequest: a = code, b = value
    StartPolling,          // SmPsw_StartPolling
    StopPolling,           // SmPsw_StopPolling
    ClosePrinter,          // SmPsw_ClosePrinter
    ChangePrinterName,     // SmPsw_ChangePrinterName: text = new name
    WriteSetting,          // text = value name, a = value
    SetTitle,              // text = title
    RetakeMutex,           // release the instance mutex and take it under text (printer name)
    SetDetailText,         // text = detail pane text
    SetWindowIcon,         // big icon of the main window from the display record
    ReevaluateOptionMenu,  // option menu items 104, 105, 134, 135
    RefreshJobCommands,    // job menu items and toolbars from the display and the record
    SendQuit,              // send WM_PSW_QUIT to the main window
    PostQuitToNotifyIcon,  // post WM_PSW_QUIT to the "psw_notifyicon" window when it exists
    DestroyWindow,
    Wait,                  // a = milliseconds
    UnloadLibraries,       // forget the monitor handle and entry points, free both libraries
};

struct Effect {
    EffectKind kind;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    Text text;

    friend bool operator==(const Effect& x, const Effect& y) {
        return x.kind == y.kind && x.a == y.a && x.b == y.b && x.text == y.text;
    }
    friend bool operator!=(const Effect& x, const Effect& y) { return !(x == y); }
};

// Factories, so that tests and the core write effects the same short way.
namespace fx {
inline Effect make(EffectKind k, std::uint32_t a = 0, std::uint32_t b = 0, TextView text = {}) {
    return Effect{k, a, b, Text(text)};
}
inline Effect show() { return make(EffectKind::Show); }
inline Effect showNoActivate() { return make(EffectKind::ShowNoActivate); }
inline Effect hide() { return make(EffectKind::Hide); }
inline Effect minimize() { return make(EffectKind::Minimize); }
inline Effect restore() { return make(EffectKind::Restore); }
inline Effect setForeground() { return make(EffectKind::SetForeground); }
inline Effect setActive() { return make(EffectKind::SetActive); }
inline Effect startTimer(std::uint32_t id, std::uint32_t ms) { return make(EffectKind::StartTimer, id, ms); }
inline Effect stopTimer(std::uint32_t id) { return make(EffectKind::StopTimer, id); }
inline Effect invalidate(Pane p) { return make(EffectKind::Invalidate, static_cast<std::uint32_t>(p)); }
inline Effect repaint(Pane p) { return make(EffectKind::Repaint, static_cast<std::uint32_t>(p)); }
inline Effect playSound(TextView name) { return make(EffectKind::PlaySound, 0, 0, name); }
inline Effect jobRequest(std::uint32_t code, std::uint32_t value) { return make(EffectKind::JobRequest, code, value); }
inline Effect startPolling() { return make(EffectKind::StartPolling); }
inline Effect stopPolling() { return make(EffectKind::StopPolling); }
inline Effect closePrinter() { return make(EffectKind::ClosePrinter); }
inline Effect changePrinterName(TextView n) { return make(EffectKind::ChangePrinterName, 0, 0, n); }
inline Effect writeSetting(TextView name, std::uint32_t v) { return make(EffectKind::WriteSetting, v, 0, name); }
inline Effect setTitle(TextView t) { return make(EffectKind::SetTitle, 0, 0, t); }
inline Effect retakeMutex(TextView n) { return make(EffectKind::RetakeMutex, 0, 0, n); }
inline Effect setDetailText(TextView t) { return make(EffectKind::SetDetailText, 0, 0, t); }
inline Effect setWindowIcon() { return make(EffectKind::SetWindowIcon); }
inline Effect reevaluateOptionMenu() { return make(EffectKind::ReevaluateOptionMenu); }
inline Effect refreshJobCommands() { return make(EffectKind::RefreshJobCommands); }
inline Effect sendQuit() { return make(EffectKind::SendQuit); }
inline Effect postQuitToNotifyIcon() { return make(EffectKind::PostQuitToNotifyIcon); }
inline Effect destroyWindow() { return make(EffectKind::DestroyWindow); }
inline Effect wait(std::uint32_t ms) { return make(EffectKind::Wait, ms); }
inline Effect unloadLibraries() { return make(EffectKind::UnloadLibraries); }
}  // namespace fx

// "StartTimer(8, 5000)", "WriteSetting(Left, 100)": for test messages and traces.
std::string describe(const Effect& e);
std::ostream& operator<<(std::ostream& os, const Effect& e);

}  // namespace zrt::statuswindow
