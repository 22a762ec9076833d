#include "statuswindow/core/printer_facts.h"

#include "statuswindow/core/command_line.h"

namespace zrt::statuswindow {

namespace {

bool present(const std::optional<Text>& text) noexcept { return text.has_value() && !text->empty(); }

}  // namespace

bool passesFamilyCheck(const DriverInfo3& driver) noexcept {
    if (present(driver.monitorName)) return *driver.monitorName == kFamilyMonitorName;
    return present(driver.driverName) && *driver.driverName == kFamilyDriverName;
}

std::optional<Text> derivePortText(const PrinterInfo2& printer, const DriverInfo3& driver) {
    if (!passesFamilyCheck(driver)) return std::nullopt;
    if (present(printer.serverName)) {
        if (!present(printer.shareName) || (printer.attributes & kPrinterAttributeShared) == 0)
            return std::nullopt;
        const Text joined = *printer.serverName + u"\\" + *printer.shareName;
        return Text(cut(joined, kMaxPortTextChars));
    }
    if (!present(printer.portName)) return std::nullopt;
    return Text(cut(*printer.portName, kMaxPortTextChars));
}

}  // namespace zrt::statuswindow
