// The eleven entry points of the status-monitor stand-in. Each one writes one line to the call
// log; its answers come from the settings (standin_config.h); after SmPsw_OpenPrinter the
// session plays the scenario file named by ZRT7QSMK_SCENARIO to the window.
#include <windows.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "statuswindow/status_monitor_api.h"
#include "testbed/status_monitor/call_log.h"
#include "testbed/status_monitor/device_answer.h"
#include "testbed/status_monitor/scenario_file.h"
#include "testbed/status_monitor/session.h"
#include "testbed/status_monitor/standin_config.h"
#include "testbed/status_monitor/status_window_starter.h"

using zrt::monitor::MonitorHandle;
namespace exports = zrt::monitor::exports;
namespace tb = zrt::testbed;

extern "C" {
__declspec(dllexport) BOOL WINAPI SmPsw_OpenPrinter(HWND window, LPCWSTR printerName,
                                                    LPCWSTR portText, MonitorHandle* handle);
__declspec(dllexport) BOOL WINAPI SmPsw_ClosePrinter(MonitorHandle handle);
__declspec(dllexport) BOOL WINAPI SmPsw_GetPrinterStatus(MonitorHandle handle, DWORD flag);
__declspec(dllexport) BOOL WINAPI SmPsw_JobRequest(MonitorHandle handle, DWORD code, DWORD value);
__declspec(dllexport) BOOL WINAPI SmPsw_DeviceRequest(MonitorHandle handle, DWORD code,
                                                      LPVOID input, DWORD inputSize,
                                                      LPVOID output, LPDWORD sizeOrResult);
__declspec(dllexport) BOOL WINAPI SmPsw_ChangePrinterName(MonitorHandle handle,
                                                          LPCWSTR newPrinterName);
__declspec(dllexport) BOOL WINAPI SmPsw_StartPolling(MonitorHandle handle);
__declspec(dllexport) BOOL WINAPI SmPsw_StopPolling(MonitorHandle handle);
__declspec(dllexport) BOOL WINAPI SmPsw_OpenPrinter2(LPCWSTR printerName, DWORD reserved,
                                                     MonitorHandle* handle);
__declspec(dllexport) BOOL WINAPI SmPsw_InvokePSW(MonitorHandle handle, LPCWSTR printerName,
                                                  DWORD reserved, DWORD launchMode);
__declspec(dllexport) BOOL WINAPI SmPsw_ClosePrinter2(MonitorHandle handle);
}

// The exports have exactly the types the callers use.
static_assert(std::is_same_v<decltype(&SmPsw_OpenPrinter), zrt::monitor::OpenPrinterFn>);
static_assert(std::is_same_v<decltype(&SmPsw_ClosePrinter), zrt::monitor::ClosePrinterFn>);
static_assert(std::is_same_v<decltype(&SmPsw_GetPrinterStatus), zrt::monitor::GetPrinterStatusFn>);
static_assert(std::is_same_v<decltype(&SmPsw_JobRequest), zrt::monitor::JobRequestFn>);
static_assert(std::is_same_v<decltype(&SmPsw_DeviceRequest), zrt::monitor::DeviceRequestFn>);
static_assert(std::is_same_v<decltype(&SmPsw_ChangePrinterName), zrt::monitor::ChangePrinterNameFn>);
static_assert(std::is_same_v<decltype(&SmPsw_StartPolling), zrt::monitor::StartPollingFn>);
static_assert(std::is_same_v<decltype(&SmPsw_StopPolling), zrt::monitor::StopPollingFn>);
static_assert(std::is_same_v<decltype(&SmPsw_OpenPrinter2), zrt::monitor::OpenPrinter2Fn>);
static_assert(std::is_same_v<decltype(&SmPsw_InvokePSW), zrt::monitor::InvokePSWFn>);
static_assert(std::is_same_v<decltype(&SmPsw_ClosePrinter2), zrt::monitor::ClosePrinter2Fn>);

namespace {

HMODULE g_module = nullptr;

// The setting that decides the result of an entry point ("OpenPrinter" for SmPsw_OpenPrinter).
bool answerOf(const char* exportName) {
    const char* name = exportName + std::strlen("SmPsw_");
    return tb::settingNumber(std::wstring(name, name + std::strlen(name)), 1) != 0;
}

tb::CallLogLine& textArg(tb::CallLogLine& line, const char* name, LPCWSTR text) {
    if (text == nullptr) return line.none(name);
    return line.text(name, tb::toU16(text));
}

BOOL finish(tb::CallLogLine& line, bool ok) {
    tb::appendCallLog(line.result(ok ? 1 : 0));
    return ok ? TRUE : FALSE;
}

// Handle of a known session, for the functions that only need it to be valid.
bool known(MonitorHandle handle) {
    return tb::withSession(tb::handleId(handle), [](tb::Session&) {});
}

BOOL simpleCall(const char* exportName, MonitorHandle handle) {
    tb::CallLogLine line(exportName);
    line.number("handle", tb::handleId(handle));
    return finish(line, known(handle) && answerOf(exportName));
}

BOOL closeSession(const char* exportName, MonitorHandle handle) {
    tb::CallLogLine line(exportName);
    line.number("handle", tb::handleId(handle));
    auto session = tb::takeSession(tb::handleId(handle));
    if (!session) return finish(line, false);
    tb::stopSession(*session);
    session.reset();
    return finish(line, answerOf(exportName));
}

void startPlaying(std::uint32_t id, HWND window) {
    auto steps = tb::loadScenarioForSession(id);
    tb::withSession(id, [&](tb::Session& session) {
        session.sink = std::make_unique<tb::WindowSink>(window, id);
        session.player = std::make_unique<tb::ScenarioPlayer>(std::move(steps), *session.sink);
        session.player->start();
    });
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) g_module = instance;
    // Freed while sessions still play: their threads would run on in unmapped code. The caller
    // must close every handle first; leave a trace for whoever has to find out why it crashed.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        const std::size_t playing = tb::playingSessionCount();
        if (playing > 0) tb::appendCallLog(tb::CallLogLine("unload").number("playingSessions", playing));
    }
    return TRUE;
}

BOOL WINAPI SmPsw_OpenPrinter(HWND window, LPCWSTR printerName, LPCWSTR portText,
                              MonitorHandle* handle) {
    tb::CallLogLine line(exports::kOpenPrinter);
    line.hex("window", reinterpret_cast<std::uintptr_t>(window));
    textArg(line, "printer", printerName);
    textArg(line, "port", portText);
    if (handle != nullptr) *handle = nullptr;
    if (handle == nullptr || printerName == nullptr || IsWindow(window) == FALSE ||
        !answerOf(exports::kOpenPrinter)) {
        return finish(line, false);
    }
    auto session = std::make_unique<tb::Session>();
    session->window = window;
    session->printer = printerName;
    session->port = portText != nullptr ? portText : L"";
    session->statusRefusalsLeft = tb::settingNumber(L"GetPrinterStatusRefusals", 0);
    const std::uint32_t id = tb::addSession(std::move(session));
    *handle = tb::handleOf(id);
    tb::appendCallLog(line.result(1).number("handle", id));
    startPlaying(id, window);
    return TRUE;
}

BOOL WINAPI SmPsw_ClosePrinter(MonitorHandle handle) {
    return closeSession(exports::kClosePrinter, handle);
}

BOOL WINAPI SmPsw_GetPrinterStatus(MonitorHandle handle, DWORD flag) {
    tb::CallLogLine line(exports::kGetPrinterStatus);
    line.number("handle", tb::handleId(handle)).number("flag", flag);
    bool accepted = false;
    const bool isKnown = tb::withSession(tb::handleId(handle), [&](tb::Session& session) {
        if (session.statusRefusalsLeft > 0) {
            --session.statusRefusalsLeft;
            return;
        }
        accepted = answerOf(exports::kGetPrinterStatus);
    });
    finish(line, isKnown && accepted);
    if (!accepted) return FALSE;
    tb::withSession(tb::handleId(handle), [](tb::Session& session) {
        if (session.player) session.player->requestResend();
    });
    return TRUE;
}

BOOL WINAPI SmPsw_JobRequest(MonitorHandle handle, DWORD code, DWORD value) {
    tb::CallLogLine line(exports::kJobRequest);
    line.number("handle", tb::handleId(handle)).number("request", code).number("value", value);
    return finish(line, known(handle) && answerOf(exports::kJobRequest));
}

BOOL WINAPI SmPsw_DeviceRequest(MonitorHandle handle, DWORD code, LPVOID input, DWORD inputSize,
                                LPVOID output, LPDWORD sizeOrResult) {
    tb::CallLogLine line(exports::kDeviceRequest);
    line.number("handle", tb::handleId(handle)).number("request", code);
    const auto* inputBytes = static_cast<const std::uint8_t*>(input);
    line.bytes("input", inputBytes, inputSize).number("inputSize", inputSize);
    line.utf8("output", output != nullptr ? "buffer" : "none");
    if (sizeOrResult != nullptr) line.number("size", *sizeOrResult); else line.none("size");

    std::optional<std::uint32_t> selector;
    if (inputBytes != nullptr && inputSize >= 4) {
        std::uint32_t first = 0;
        std::memcpy(&first, inputBytes, sizeof first);
        selector = first;
    }
    const tb::DeviceAnswer answer = tb::deviceAnswer(code, selector);
    const bool ok = known(handle) && answer.succeeds;
    line.result(ok ? 1 : 0);
    if (ok && output != nullptr && sizeOrResult != nullptr) {
        auto* out = static_cast<std::uint8_t*>(output);
        const std::size_t size = *sizeOrResult;
        std::memset(out, 0, size);
        const std::size_t copied = answer.output.size() < size ? answer.output.size() : size;
        if (copied > 0) std::memcpy(out, answer.output.data(), copied);
        line.bytes("answer", out, size);
    } else if (ok && sizeOrResult != nullptr) {
        *sizeOrResult = answer.word;
        line.number("word", answer.word);
    }
    tb::appendCallLog(line);
    return ok ? TRUE : FALSE;
}

BOOL WINAPI SmPsw_ChangePrinterName(MonitorHandle handle, LPCWSTR newPrinterName) {
    tb::CallLogLine line(exports::kChangePrinterName);
    line.number("handle", tb::handleId(handle));
    textArg(line, "printer", newPrinterName);
    bool isKnown = false;
    if (newPrinterName != nullptr) {
        isKnown = tb::withSession(tb::handleId(handle), [&](tb::Session& session) {
            session.printer = newPrinterName;
        });
    }
    return finish(line, isKnown && answerOf(exports::kChangePrinterName));
}

BOOL WINAPI SmPsw_StartPolling(MonitorHandle handle) {
    return simpleCall(exports::kStartPolling, handle);
}

BOOL WINAPI SmPsw_StopPolling(MonitorHandle handle) {
    return simpleCall(exports::kStopPolling, handle);
}

BOOL WINAPI SmPsw_OpenPrinter2(LPCWSTR printerName, DWORD reserved, MonitorHandle* handle) {
    tb::CallLogLine line(exports::kOpenPrinter2);
    textArg(line, "printer", printerName);
    line.number("reserved", reserved);
    if (handle != nullptr) *handle = nullptr;
    if (handle == nullptr || printerName == nullptr || !answerOf(exports::kOpenPrinter2)) {
        return finish(line, false);
    }
    auto session = std::make_unique<tb::Session>();
    session->printer = printerName;
    const std::uint32_t id = tb::addSession(std::move(session));
    *handle = tb::handleOf(id);
    tb::appendCallLog(line.result(1).number("handle", id));
    return TRUE;
}

BOOL WINAPI SmPsw_InvokePSW(MonitorHandle handle, LPCWSTR printerName, DWORD reserved,
                            DWORD launchMode) {
    tb::CallLogLine line(exports::kInvokePSW);
    line.number("handle", tb::handleId(handle));
    textArg(line, "printer", printerName);
    line.number("reserved", reserved).number("mode", launchMode);
    if (printerName == nullptr || !known(handle) || !answerOf(exports::kInvokePSW)) {
        return finish(line, false);
    }
    const tb::InvokeOutcome outcome = tb::startOrShowStatusWindow(g_module, printerName, launchMode);
    line.result(outcome.ok ? 1 : 0);
    if (outcome.shown) {
        line.utf8("shown", "existing window");
    } else {
        line.text("command", tb::toU16(outcome.commandLine));
        if (!outcome.ok) line.number("error", outcome.error);
    }
    tb::appendCallLog(line);
    return outcome.ok ? TRUE : FALSE;
}

BOOL WINAPI SmPsw_ClosePrinter2(MonitorHandle handle) {
    return closeSession(exports::kClosePrinter2, handle);
}
