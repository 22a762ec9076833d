#include "testbed/status_monitor/window_sink.h"

#include "statuswindow/status_monitor_codes.h"
#include "testbed/status_monitor/call_log.h"

namespace zrt::testbed {

UINT messageNumber(PrivateMessage message) {
    switch (message) {
        case PrivateMessage::Reset: return monitor::messages::kReset;
        case PrivateMessage::Quit: return monitor::messages::kQuit;
        case PrivateMessage::Show: return monitor::messages::kShow;
        case PrivateMessage::QuitAll: return monitor::messages::kQuitAll;
    }
    return monitor::messages::kReset;
}

void WindowSink::deliver(const Delivery& delivery, const ScenarioStep* step) {
    COPYDATASTRUCT data{};
    data.dwData = delivery.kind;
    data.cbData = static_cast<DWORD>(delivery.data.size());
    data.lpData = delivery.data.empty() ? nullptr : const_cast<std::uint8_t*>(delivery.data.data());
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(window_, WM_COPYDATA, delivery.wParam,
                                             reinterpret_cast<LPARAM>(&data),
                                             SMTO_NORMAL | SMTO_ABORTIFHUNG, kDeliveryTimeoutMs,
                                             &answer);
    CallLogLine line("delivery");
    line.number("handle", handleId_);
    if (step != nullptr) {
        line.number("line", step->line).number("at", step->atMs);
    } else {
        line.utf8("line", "resend");
    }
    line.number("kind", delivery.kind).number("wParam", delivery.wParam)
        .number("size", delivery.data.size()).result(sent != 0 ? 1 : 0);
    appendCallLog(line);
}

void WindowSink::post(const MessageStep& message, const ScenarioStep& step) {
    const UINT number = messageNumber(message.message);
    const BOOL posted = PostMessageW(window_, number, message.wParam, 0);
    appendCallLog(CallLogLine("delivery")
                      .number("handle", handleId_)
                      .number("line", step.line)
                      .number("at", step.atMs)
                      .number("message", number)
                      .number("wParam", message.wParam)
                      .result(posted != 0 ? 1 : 0));
}

}  // namespace zrt::testbed
