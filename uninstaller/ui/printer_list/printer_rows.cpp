#include "uninstaller/ui/printer_list/printer_rows.h"

#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/profile_lists.h"
#include "uninstaller/frame/system_queries.h"
#include "uninstaller/ui/printer_list/row_identity.h"
#include "uninstaller/ui/printer_list/version_text.h"

namespace zrt::un {
namespace {

bool namedIn(const std::string& name, const std::string& tabList, TextServices& text) {
    for (const std::string& entry : listEntries(tabList)) {
        if (compareNoCase(entry, name, text) == 0) {
            return true;
        }
    }
    return false;
}

bool isDefault(const PrinterInfo2& printer, int osCode,
               const std::optional<std::string>& defaultName, TextServices& text) {
    if (!isNtFamily(osCode)) {
        return (printer.attributes & kPrinterDefault) != 0;
    }
    return defaultName && compareNoCase(*defaultName, printer.printerName, text) == 0;
}

std::optional<std::vector<DriverInfo3>> installedDrivers(Spooler& spooler) {
    auto list = spooler.enumDrivers("");  // the current environment
    if (!list.ok()) {
        return std::nullopt;
    }
    return std::move(list.items);
}

}  // namespace

std::optional<std::string> defaultPrinterName(Machine& machine, int osCode) {
    if (osCode == kOsNt4) {
        // "device" of [windows] in the Windows profile: "name,driver,port".
        const std::string device = machine.profiles.readString(
            machine.platform.windowsDirectory() + "\\WIN.INI", "windows", "device", "",
            kDeviceBuffer);
        const std::string name = device.substr(0, device.find(','));
        return name.empty() ? std::nullopt : std::optional<std::string>(name);
    }
    if (isWin2000OrLater(osCode)) {
        auto name = machine.spooler.defaultPrinter();
        return name ? std::optional<std::string>(std::move(name).value()) : std::nullopt;
    }
    return std::nullopt;
}

void chooseIconAndFlags(const PrinterInfo2& printer, int osCode, bool isDefaultPrinter,
                        PrinterRow& row) {
    const bool network = isNtFamily(osCode)
                             ? (!printer.printerName.empty() && printer.printerName[0] == '\\')
                             : (printer.attributes & kPrinterNetwork) != 0;
    std::uint32_t flags = 0;
    int image = kImageLocal;
    if (network) {
        image = kImageNetwork;
        flags |= kFlagNetwork;
    } else if (equalNoCaseAscii(printer.portName, kFilePort)) {
        image = kImageFilePort;
        flags |= kFlagFilePort;
    }
    if (isDefaultPrinter) {
        image += kImageDefaultOffset;
    }
    if (printer.serverName.empty() && !network && (printer.attributes & kPrinterShared) != 0) {
        flags |= kFlagSharedLocal;
    }
    row.image = image;
    row.item.flags = flags;
}

bool passesSelection(const PrinterInfo2& printer, const Session& session,
                     const CommandLineOptions& options, TextServices& text) {
    if (!session.silent) {
        return true;
    }
    switch (options.targetMode()) {
    case TargetMode::ByPrinter:
        return namedIn(printer.printerName, options.printerNames(), text);
    case TargetMode::ByDriver:
        return namedIn(printer.driverName, options.driverNames(), text);
    default:
        return true;
    }
}

BuiltRows buildPrinterRows(const RowSource& source) {
    BuiltRows built;
    TextServices& text = source.machine.text;
    const std::string version = productVersionText(
        source.machine.profiles,
        productDataFile(source.osCode, source.machine.platform.systemDirectory(), source.names));
    const auto printers = source.machine.spooler.enumPrinters(kEnumLocal | kEnumConnections);
    if (!printers.ok() &&
        !(printers.failedAt == ListStage::Sizing && printers.error == kErrorInsufficientBuffer)) {
        // Not only a failed size query: a list that cannot be had or read is no list either,
        // so that an empty list never stands for printers that could not be seen.
        return built;
    }
    built.enumerated = true;
    const auto drivers = installedDrivers(source.machine.spooler);
    const auto defaultName = defaultPrinterName(source.machine, source.osCode);
    for (const PrinterInfo2& printer : printers.items) {
        if (!source.drivers.qualifies(printer.driverName, drivers, source.machine.files, text) ||
            !passesSelection(printer, source.session, source.options, text)) {
            continue;
        }
        const RowIdentity identity = rowIdentity(printer.printerName, printer.serverName);
        PrinterRow row;
        row.displayName = identity.displayName;
        row.driverName = printer.driverName;
        row.versionText = version;
        row.item.printerName = printer.printerName;
        row.item.shortName = identity.shortName;
        row.item.setKind(identity.kind);
        chooseIconAndFlags(printer, source.osCode,
                           isDefault(printer, source.osCode, defaultName, text), row);
        built.rows.push_back(std::move(row));
    }
    return built;
}

}  // namespace zrt::un
