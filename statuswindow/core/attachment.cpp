#include "statuswindow/core/attachment.h"

namespace zrt::statuswindow {

namespace {

bool beginsWith(TextView text, TextView prefix) noexcept {
    return text.substr(0, prefix.size()) == prefix;
}

bool beginsWithTwoBackslashes(TextView text) noexcept { return beginsWith(text, u"\\\\"); }

// "USB" followed by exactly three characters whose numeric value is not 0 ("USB001"). The
// value is read like a C number conversion: the leading digits, none giving 0.
bool isNumberedUsbPort(TextView port) noexcept {
    if (port.size() != 6 || !beginsWith(port, u"USB")) return false;
    unsigned value = 0;
    for (char16_t c : port.substr(3)) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + static_cast<unsigned>(c - u'0');
    }
    return value != 0;
}

}  // namespace

AttachmentKind attachmentKind(TextView portText, TextView printerName, AttachmentProbe& probe) {
    if (beginsWithTwoBackslashes(portText) || beginsWithTwoBackslashes(printerName))
        return AttachmentKind::SharedOnServer;
    if (beginsWith(portText, u"LPT-USB") || beginsWith(portText, u"LPT_USB") || isNumberedUsbPort(portText))
        return AttachmentKind::Local;
    if (probe.isCompliantNetworkPort(portText)) return AttachmentKind::NetworkPort;
    const NetworkConnection connection = probe.networkConnection(portText);
    if (connection.outcome == NetworkConnection::Outcome::RemoteName && beginsWithTwoBackslashes(connection.remoteName))
        return AttachmentKind::SharedOnServer;
    return AttachmentKind::Local;
}

int userMatch(TextView systemUser, const std::optional<TextView>& recordUser) noexcept {
    if (!recordUser) return 0;
    return equalsIgnoringCase(systemUser, *recordUser) ? 0 : 1;
}

int computerMatch(TextView systemComputer, const std::optional<TextView>& recordComputer) noexcept {
    if (!recordComputer) return 0;
    TextView name = *recordComputer;
    if (beginsWithTwoBackslashes(name)) name.remove_prefix(2);
    return beginsWith(name, systemComputer) ? 0 : 1;
}

}  // namespace zrt::statuswindow
