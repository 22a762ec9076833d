// The rows of the printer list on the fake machine: which drivers qualify on each platform
// class, display names, icons and flags, the default printer, the version text and the
// silent-mode filters.
#include "tests/native/uninstaller_ui/ui_fixture.h"
#include "uninstaller/frame/system_queries.h"
#include "uninstaller/ui/printer_list/printer_rows.h"
#include "uninstaller/ui/printer_list/row_identity.h"

namespace zrt::un::testing {
namespace {

const char* className(PlatformClass platform) {
    switch (platform) {
    case PlatformClass::Win95: return "95";
    case PlatformClass::Win98: return "98";
    case PlatformClass::WinMe: return "Me";
    case PlatformClass::Nt4: return "NT4";
    case PlatformClass::Win2000: return "2000";
    case PlatformClass::WinXp: return "XP";
    case PlatformClass::Win2003: return "2003";
    case PlatformClass::Nt6: return "NT6";
    }
    return "?";
}

constexpr const char* kNotInstalled = "-";

struct QualificationCase {
    PlatformClass platform;
    const char* driver;
    const char* version;  // "" without version resource, "-" for a driver not installed
    bool listed;
};

class QualificationTest : public UiTest {};

TEST_F(QualificationTest, DriverIsListedByBorderlinePerPlatformClass) {
    const QualificationCase cases[] = {
        {PlatformClass::WinXp, kDriverA, "3.1.0.0", true},
        {PlatformClass::WinXp, kDriverA, "3.0.9.9", false},
        {PlatformClass::WinXp, kDriverA, "3,2,0,0", true},
        {PlatformClass::WinXp, kDriverA, "3.1", true},  // equal once a side runs out
        {PlatformClass::WinXp, kDriverA, "", true},
        {PlatformClass::WinXp, kDriverA, kNotInstalled, true},
        {PlatformClass::WinXp, "vemar zrt7q COLOR", "3.1.0.0", true},
        {PlatformClass::WinXp, kDriverFax, "2.0", true},
        {PlatformClass::WinXp, kDriverFax, "1.9.9", false},
        {PlatformClass::WinXp, kOldDriver1, "3.5", true},
        {PlatformClass::WinXp, kOldDriver1, "1.0", false},
        {PlatformClass::WinXp, kOldDriver2, "9.0", false},
        {PlatformClass::WinXp, kOldDriver2, "", false},
        {PlatformClass::WinXp, "Other Driver", "9.0", false},
        {PlatformClass::Win2000, kDriverA, "10.0", true},
        {PlatformClass::Win2003, kDriverA, "2.99", false},
        {PlatformClass::Nt6, kDriverA, "3.0", false},
        {PlatformClass::Nt6, kDriverA, "4", true},
        {PlatformClass::Nt4, kDriverA, "1.0", true},   // borderline "A"
        {PlatformClass::Nt4, kOldDriver1, "1.0", true},
        {PlatformClass::Nt4, kOldDriver2, "1.0", false},
        {PlatformClass::Nt4, kDriverA, "B1", false},   // "A" does not sort above "B1"
        {PlatformClass::Win98, kOldDriver2, "1.0", true},
        {PlatformClass::WinMe, kDriverA, "0.1", true},
        {PlatformClass::Win95, kDriverFax, "Z", false},
        {PlatformClass::Win95, kOldDriver2, kNotInstalled, true},
    };
    for (const QualificationCase& c : cases) {
        const std::string row = std::string(className(c.platform)) + " / " + c.driver + " / '" +
                                c.version + "'";
        fake.platformClass = c.platform;
        configure();
        fake.drivers.clear();
        if (std::string(c.version) != kNotInstalled) {
            installDriver(c.driver, c.version);
        }
        const DriverQualifier drivers(config, osCode(fake.machine().platform));
        const bool listed = drivers.qualifies(c.driver, fake.machine().spooler.enumDrivers("").items,
                                              fake.machine().files, fake.machine().text);
        EXPECT_EQ(listed, c.listed) << "row " << row << ": expected "
                                    << (c.listed ? "listed" : "not listed");
    }
}

TEST_F(QualificationTest, DriverEnumerationFailureListsTheDriver) {
    configure();
    installDriver(kDriverA, "1.0");  // below the borderline
    fake.addPrinter("P", kDriverA);
    fake.failCall("Spooler.enumDrivers.read", kErrorAccessDenied);
    openList();
    EXPECT_EQ(displayNames(), std::vector<std::string>{"P"});
}

TEST(CompareVersionsTest, ComparesFieldsAsNumbersFromTheLeft) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"1.2", "1.2.5", 0},  {"2.10", "2.9", 1},   {"2,0,1", "2.0.0", 1}, {"", "9", 0},
        {"3.01", "3.1", 0},   {"1.9", "10.0", -1},  {"x.1", "0.2", -1},    {"1", "1", 0},
        {"99999999999999999999999", "1", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareVersions(c.a, c.b), c.expected) << "row '" << c.a << "' vs '" << c.b << "'";
    }
}

TEST(RowIdentityTest, DisplayNameShortNameAndKind) {
    struct Case {
        const char* printer;
        const char* server;
        const char* display;
        const char* shortName;
        std::uint32_t kind;
    } cases[] = {
        {"\\\\SRV\\P1", "\\\\SRV", "P1 - SRV", "P1", kKindConnection},
        {"\\\\SRV\\P1", "", "P1 on SRV", "P1", kKindPrinter},
        {"\\\\SRV\\Dept\\P1", "", "Dept\\P1 on SRV", "Dept\\P1", kKindPrinter},
        {"Local Printer", "", "Local Printer", "Local Printer", kKindPrinter},
        {"\\\\SRV", "", "\\\\SRV", "\\\\SRV", kKindPrinter},          // no printer part
        {"\\\\OTHER\\P1", "\\\\SERVER-LONGER", "\\\\OTHER\\P1", "\\\\OTHER\\P1", kKindPrinter},
    };
    for (const auto& c : cases) {
        const RowIdentity got = rowIdentity(c.printer, c.server);
        EXPECT_EQ(got.displayName, c.display) << "row " << c.printer << " / " << c.server;
        EXPECT_EQ(got.shortName, c.shortName) << "row " << c.printer << " / " << c.server;
        EXPECT_EQ(got.kind, c.kind) << "row " << c.printer << " / " << c.server;
    }
}

class RowsTest : public UiTest {};

TEST_F(RowsTest, ConnectionsShowServerAndKeepTheSpoolerName) {
    configure();
    fake.addConnection("\\\\SRV", "P1", kDriverA);
    fake.addConnection("\\\\SRV", "P2", kDriverA).serverName.clear();
    fake.addPrinter("Local", kDriverA);
    fake.addPrinter("Not ours", "Some Other Driver");
    openList();
    ASSERT_EQ(displayNames(), (std::vector<std::string>{"Local", "P1 - SRV", "P2 on SRV"}));
    const PrinterItem& connection = *controls.rows[1].item;
    EXPECT_EQ(connection.printerName, "\\\\SRV\\P1");
    EXPECT_EQ(connection.shortName, "P1");
    EXPECT_EQ(connection.state, kKindConnection << 16);
    EXPECT_EQ(controls.rows[2].item->state, kKindPrinter << 16);
    EXPECT_EQ(controls.rows[0].content.driverName, kDriverA);
}

struct IconCase {
    const char* name;
    PlatformClass platform;
    const char* printer;
    const char* port;
    std::uint32_t attributes;
    const char* serverName;
    int image;
    std::uint32_t flags;
};

TEST_F(RowsTest, IconsAndFlags) {
    const IconCase cases[] = {
        {"local", PlatformClass::WinXp, "P", "LPT1:", 0, "", kImageLocal, 0},
        {"connection NT", PlatformClass::WinXp, "\\\\S\\P", "IP_1", 0, "", kImageNetwork, kFlagNetwork},
        {"file port", PlatformClass::WinXp, "P", "file:", 0, "", kImageFilePort, kFlagFilePort},
        {"shared local", PlatformClass::WinXp, "P", "LPT1:", kPrinterShared, "", kImageLocal,
         kFlagSharedLocal},
        {"shared with server", PlatformClass::WinXp, "P", "LPT1:", kPrinterShared, "\\\\S",
         kImageLocal, 0},
        {"shared connection", PlatformClass::WinXp, "\\\\S\\P", "LPT1:", kPrinterShared, "",
         kImageNetwork, kFlagNetwork},
        {"network attribute NT", PlatformClass::Nt4, "P", "LPT1:", kPrinterNetwork, "",
         kImageLocal, 0},
        {"network attribute 98", PlatformClass::Win98, "P", "LPT1:", kPrinterNetwork, "",
         kImageNetwork, kFlagNetwork},
        {"backslash name 98", PlatformClass::Win98, "\\\\S\\P", "LPT1:", 0, "", kImageLocal, 0},
        {"shared 98", PlatformClass::Win98, "P", "FILE:", kPrinterShared, "", kImageFilePort,
         kFlagFilePort | kFlagSharedLocal},
    };
    for (const IconCase& c : cases) {
        PrinterInfo2 printer;
        printer.printerName = c.printer;
        printer.portName = c.port;
        printer.attributes = c.attributes;
        printer.serverName = c.serverName;
        fake.platformClass = c.platform;
        PrinterRow row;
        chooseIconAndFlags(printer, osCode(fake.machine().platform), false, row);
        EXPECT_EQ(row.image, c.image) << "row " << c.name;
        EXPECT_EQ(row.item.flags, c.flags) << "row " << c.name;
        chooseIconAndFlags(printer, osCode(fake.machine().platform), true, row);
        EXPECT_EQ(row.image, c.image + kImageDefaultOffset) << "row " << c.name << " as default";
    }
}

struct DefaultCase {
    const char* name;
    PlatformClass platform;
    std::uint32_t attributes;       // of printer "Office"
    const char* spoolerDefault;     // GetDefaultPrinterA, "" for none
    const char* winIniDevice;       // [windows] device of WIN.INI, "" for none
    bool officeIsDefault;
    bool otherIsDefault;
};

TEST_F(RowsTest, DefaultPrinterPerPlatformClass) {
    const DefaultCase cases[] = {
        {"XP by spooler", PlatformClass::WinXp, 0, "office", "", true, false},
        {"XP attribute and WIN.INI ignored", PlatformClass::WinXp, kPrinterDefault, "Other",
         "Office,x,LPT1:", false, true},
        {"XP without default", PlatformClass::WinXp, kPrinterDefault, "", "", false, false},
        {"NT6 by spooler", PlatformClass::Nt6, 0, "Office", "", true, false},
        {"NT4 by WIN.INI", PlatformClass::Nt4, 0, "Other", "OFFICE,winspool,LPT1:", true, false},
        {"NT4 other in WIN.INI", PlatformClass::Nt4, kPrinterDefault, "Office",
         "Other,winspool,LPT1:", false, true},
        {"98 by attribute", PlatformClass::Win98, kPrinterDefault, "", "", true, false},
        {"98 spooler ignored", PlatformClass::Win98, 0, "Office", "Office,x,LPT1:", false, false},
    };
    for (const DefaultCase& c : cases) {
        FakeMachine machine;
        machine.strings = uiStrings();
        machine.platformClass = c.platform;
        machine.addFile(std::string(machine.windowsDir) + "\\WIN.INI",
                        std::string("[windows]\r\ndevice=") + c.winIniDevice + "\r\n");
        machine.addPrinter("Office", kDriverA, "LPT1:").attributes = c.attributes;
        machine.addPrinter("Other", kDriverA, "LPT1:");
        machine.defaultPrinterName = c.spoolerDefault;
        fake.platformClass = c.platform;
        configure();
        const DriverQualifier drivers(config, osCode(machine.machine().platform));
        const RowSource source{machine.machine(), session, options, names, drivers,
                               osCode(machine.machine().platform)};
        const BuiltRows built = buildPrinterRows(source);
        ASSERT_EQ(built.rows.size(), 2u) << "row " << c.name;
        const auto image = [](bool isDefault) {
            return isDefault ? kImageLocal + kImageDefaultOffset : kImageLocal;
        };
        EXPECT_EQ(built.rows[0].image, image(c.officeIsDefault)) << "row " << c.name << ", Office";
        EXPECT_EQ(built.rows[1].image, image(c.otherIsDefault)) << "row " << c.name << ", Other";
    }
}

TEST_F(RowsTest, VersionTextComesFromTheDataFilePerPlatformClass) {
    struct Case {
        PlatformClass platform;
        const char* file;
    } cases[] = {
        {PlatformClass::WinXp, "C:\\WINDOWS\\system32\\Spool\\Drivers\\w32x86\\3\\ZRT7QINK.DAT"},
        {PlatformClass::Nt6, "C:\\WINDOWS\\system32\\Spool\\Drivers\\w32x86\\3\\ZRT7QINK.DAT"},
        {PlatformClass::Nt4, "C:\\WINDOWS\\system32\\Spool\\Drivers\\w32x86\\2\\ZRT7QINN.DAT"},
        {PlatformClass::Win98, "C:\\WINDOWS\\system32\\ZRT7QINA.DAT"},
    };
    for (const auto& c : cases) {
        FakeMachine machine;
        machine.strings = uiStrings();
        machine.platformClass = c.platform;
        machine.addFile(c.file, "[VersionInfo]\r\nAboutDLGVersion=1.23\r\n");
        machine.addPrinter("A", kDriverA);
        machine.addPrinter("B", kDriverFax);
        fake.platformClass = c.platform;
        configure();
        const DriverQualifier drivers(config, osCode(machine.machine().platform));
        const RowSource source{machine.machine(), session, options, names, drivers,
                               osCode(machine.machine().platform)};
        const BuiltRows built = buildPrinterRows(source);
        ASSERT_EQ(built.rows.size(), 2u) << "row " << className(c.platform);
        for (const PrinterRow& row : built.rows) {
            EXPECT_EQ(row.versionText, "1.23") << "row " << className(c.platform);
        }
    }
}

TEST_F(RowsTest, VersionTextWithoutDataFileIsZero) {
    configure();
    fake.addPrinter("A", kDriverA);
    openList();
    ASSERT_EQ(controls.rows.size(), 1u);
    EXPECT_EQ(controls.rows[0].content.versionText, "0.00");
}

TEST_F(RowsTest, SilentSelectionByPrinterAndByDriver) {
    struct Case {
        const char* arguments;
        bool silent;
        std::vector<std::string> listed;
    } cases[] = {
        {"/S /P \"C:\\SEL.INI\"", true, {"B printer"}},
        {"/S /D \"C:\\SEL.INI\"", true, {"A printer", "C printer"}},
        {"/S /A", true, {"A printer", "B printer", "C printer"}},
        {"", false, {"A printer", "B printer", "C printer"}},
    };
    fake.addFile("C:\\SEL.INI",
                 "[Delete Printer Name]\r\n1=b PRINTER\r\n2=;C printer\r\n"
                 "[Delete Driver Name]\r\n1=vemar zrt7q color\r\n");
    configure();
    fake.addPrinter("A printer", kDriverA);
    fake.addPrinter("B printer", kDriverFax);
    fake.addPrinter("C printer", kDriverA);
    for (const auto& c : cases) {
        options = CommandLineOptions(c.arguments);
        options.parse(fake.machine().text,
                      {fake.machine().files, fake.machine().profiles, fake.machine().platform});
        session.silent = c.silent;
        controls = FakeListControls();
        openList();
        EXPECT_EQ(displayNames(), c.listed) << "row '" << c.arguments << "'";
    }
}

TEST_F(RowsTest, EnumerationFailures) {
    struct Case {
        const char* name;
        WinError error;
        const char* call;
        bool built;
    } cases[] = {
        {"sizing fails", kErrorAccessDenied, "Spooler.enumPrinters.size", false},
        {"sizing wants a buffer", kErrorInsufficientBuffer, "Spooler.enumPrinters.size", true},
        {"no memory", kErrorNotEnoughMemory, "Spooler.enumPrinters.memory", false},
        {"reading fails", kErrorInvalidParameter, "Spooler.enumPrinters.read", false},
    };
    configure();
    fake.addPrinter("A", kDriverA);
    for (const auto& c : cases) {
        fake.clearFailures();
        fake.failCall(c.call, c.error);
        FakeListControls fresh;
        fresh.startFromTemplate();
        PrinterList rows(context(), fresh);
        rows.initialise();
        EXPECT_EQ(rows.listBuilt(), c.built) << "row " << c.name;
        EXPECT_TRUE(fresh.rows.empty()) << "row " << c.name;
        EXPECT_TRUE(fresh.redraw) << "row " << c.name << ": redrawing left off";
    }
}

}  // namespace
}  // namespace zrt::un::testing
