// What the spooler tells about a printer and its driver, in the status window's own terms: the
// parts of PRINTER_INFO_2 and DRIVER_INFO_3 that the port text and the family check use.
// An absent text (a null pointer in the spooler's record) is std::nullopt.
#pragma once

#include <cstdint>
#include <optional>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow {

inline constexpr std::uint32_t kPrinterAttributeShared = 0x00000008;

struct PrinterInfo2 {
    std::optional<Text> serverName;
    std::optional<Text> shareName;
    std::optional<Text> portName;
    std::uint32_t attributes = 0;
};

struct DriverInfo3 {
    std::optional<Text> driverName;
    std::optional<Text> monitorName;
};

inline constexpr char16_t kFamilyMonitorName[] = u"ZRT7Q Monitor";
inline constexpr char16_t kFamilyDriverName[] = u"Vemar KIRSTAL KX-5180";

// The driver belongs to the family: its monitor is "ZRT7Q Monitor", or, with no monitor named,
// the driver is "Vemar KIRSTAL KX-5180". An empty text counts as absent; names compare exactly.
bool passesFamilyCheck(const DriverInfo3& driver) noexcept;

// The port text of a family printer: "\\server\share" for a shared printer on a server (cut to
// 79 characters; only with a share name and the shared attribute), else the port name (cut to
// 79). std::nullopt when the derivation fails: not of the family, a server printer that is not
// shared, or no port name.
std::optional<Text> derivePortText(const PrinterInfo2& printer, const DriverInfo3& driver);

}  // namespace zrt::statuswindow
