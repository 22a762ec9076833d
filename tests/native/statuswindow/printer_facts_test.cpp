#include <gtest/gtest.h>

#include "statuswindow/core/attachment.h"
#include "statuswindow/core/printer_facts.h"
#include "statuswindow/core/startup.h"

namespace zrt::statuswindow {
namespace {

const DriverInfo3 kFamilyDriver{u"Vemar KIRSTAL KX-5180", u"ZRT7Q Monitor"};

TEST(FamilyCheck, MonitorNameDecidesWhenPresent) {
    struct Row {
        const char* row;
        DriverInfo3 driver;
        bool passes;
    } rows[] = {
        {"monitor and driver of the family", kFamilyDriver, true},
        {"family monitor, other driver", {u"Other", u"ZRT7Q Monitor"}, true},
        {"other monitor, family driver", {u"Vemar KIRSTAL KX-5180", u"Other Monitor"}, false},
        {"no monitor, family driver", {u"Vemar KIRSTAL KX-5180", std::nullopt}, true},
        {"empty monitor, family driver", {u"Vemar KIRSTAL KX-5180", u""}, true},
        {"no monitor, other driver", {u"Other", std::nullopt}, false},
        {"nothing named", {std::nullopt, std::nullopt}, false},
        {"monitor differs in case", {u"Vemar KIRSTAL KX-5180", u"zrt7q monitor"}, false},
    };
    for (const Row& r : rows) EXPECT_EQ(passesFamilyCheck(r.driver), r.passes) << r.row;
}

TEST(PortText, DerivedFromPortOrServerShare) {
    const Text longPort(90, u'x');
    struct Row {
        const char* row;
        PrinterInfo2 printer;
        DriverInfo3 driver;
        std::optional<Text> port;
    } rows[] = {
        {"local port", {std::nullopt, std::nullopt, u"LPT1:", 0}, kFamilyDriver, Text(u"LPT1:")},
        {"long port cut", {std::nullopt, std::nullopt, longPort, 0}, kFamilyDriver, Text(79, u'x')},
        {"shared on a server", {u"\\\\srv", u"kx", u"IP_1", kPrinterAttributeShared}, kFamilyDriver, Text(u"\\\\srv\\kx")},
        {"server without shared bit", {u"\\\\srv", u"kx", u"IP_1", 0}, kFamilyDriver, std::nullopt},
        {"server without share name", {u"\\\\srv", std::nullopt, u"IP_1", kPrinterAttributeShared}, kFamilyDriver, std::nullopt},
        {"server share cut", {u"\\\\srv", Text(90, u's'), u"P", kPrinterAttributeShared}, kFamilyDriver,
         Text(u"\\\\srv\\" + Text(73, u's'))},
        {"empty server name is local", {u"", u"kx", u"COM1:", 0}, kFamilyDriver, Text(u"COM1:")},
        {"not of the family", {std::nullopt, std::nullopt, u"LPT1:", 0}, {u"Other", std::nullopt}, std::nullopt},
        {"no port name", {std::nullopt, std::nullopt, std::nullopt, 0}, kFamilyDriver, std::nullopt},
    };
    for (const Row& r : rows) {
        const std::optional<Text> got = derivePortText(r.printer, r.driver);
        ASSERT_EQ(got.has_value(), r.port.has_value()) << r.row;
        if (got) {
            EXPECT_EQ(toPrintable(*got), toPrintable(*r.port)) << r.row;
        }
    }
}

class ScriptedProbe : public AttachmentProbe {
public:
    bool compliant = false;
    NetworkConnection connection;
    int registryLookups = 0;
    int networkLookups = 0;
    bool isCompliantNetworkPort(TextView) override {
        ++registryLookups;
        return compliant;
    }
    NetworkConnection networkConnection(TextView) override {
        ++networkLookups;
        return connection;
    }
};

TEST(Attachment, RulesInOrder) {
    using O = NetworkConnection::Outcome;
    struct Row {
        const char* row;
        Text port;
        Text printer;
        bool compliant;
        NetworkConnection connection;
        AttachmentKind kind;
        int registryLookups;
        int networkLookups;
    } rows[] = {
        {"port on a server", u"\\\\srv\\kx", u"KX", false, {}, AttachmentKind::SharedOnServer, 0, 0},
        {"printer name on a server", u"LPT1:", u"\\\\srv\\kx", false, {}, AttachmentKind::SharedOnServer, 0, 0},
        {"LPT-USB", u"LPT-USB1", u"KX", false, {}, AttachmentKind::Local, 0, 0},
        {"LPT_USB", u"LPT_USB", u"KX", false, {}, AttachmentKind::Local, 0, 0},
        {"USB001", u"USB001", u"KX", false, {}, AttachmentKind::Local, 0, 0},
        {"USB000 is no USB port", u"USB000", u"KX", true, {}, AttachmentKind::NetworkPort, 1, 0},
        {"USB0001 is too long", u"USB0001", u"KX", false, {O::RemoteName, u"\\\\srv\\q"}, AttachmentKind::SharedOnServer, 1, 1},
        {"compliant network port", u"IP_10.0.0.5", u"KX", true, {}, AttachmentKind::NetworkPort, 1, 0},
        {"no remote name", u"LPT1:", u"KX", false, {O::NoRemoteName, u""}, AttachmentKind::Local, 1, 1},
        {"remote name on a server", u"LPT2:", u"KX", false, {O::RemoteName, u"\\\\srv\\kx"}, AttachmentKind::SharedOnServer, 1, 1},
        {"remote name not a server", u"LPT2:", u"KX", false, {O::RemoteName, u"kx"}, AttachmentKind::Local, 1, 1},
        {"other failure", u"LPT2:", u"KX", false, {O::OtherFailure, u""}, AttachmentKind::Local, 1, 1},
    };
    for (const Row& r : rows) {
        ScriptedProbe probe;
        probe.compliant = r.compliant;
        probe.connection = r.connection;
        EXPECT_EQ(static_cast<int>(attachmentKind(r.port, r.printer, probe)), static_cast<int>(r.kind)) << r.row;
        EXPECT_EQ(probe.registryLookups, r.registryLookups) << r.row;
        EXPECT_EQ(probe.networkLookups, r.networkLookups) << r.row;
    }
}

TEST(Attachment, UserAndComputerMatch) {
    EXPECT_EQ(userMatch(u"Taro", TextView(u"TARO")), 0);
    EXPECT_EQ(userMatch(u"Taro", TextView(u"Jiro")), 1);
    EXPECT_EQ(userMatch(u"Taro", std::nullopt), 0) << "no record matches";
    EXPECT_EQ(computerMatch(u"PC01", TextView(u"\\\\PC01")), 0);
    EXPECT_EQ(computerMatch(u"PC01", TextView(u"PC01.example")), 0) << "the record's name only begins with it";
    EXPECT_EQ(computerMatch(u"PC01", TextView(u"pc01")), 1) << "case counts";
    EXPECT_EQ(computerMatch(u"PC01", TextView(u"PC0")), 1);
    EXPECT_EQ(computerMatch(u"PC01", std::nullopt), 0);
}

TEST(Startup, ZOrderAndFirstShow) {
    struct Row {
        const char* row;
        StartSettings s;
        ZOrder z;
        InitialShow show;
    } rows[] = {
        {"auto, activate", {0, false, false, false}, ZOrder::NotTopmost, InitialShow::ShowAndForeground},
        {"auto, no-activate", {0, false, false, true}, ZOrder::Bottom, InitialShow::ShowNoActivate},
        {"auto, on top, no-activate", {2, true, false, true}, ZOrder::Topmost, InitialShow::ShowNoActivate},
        {"auto, errors only", {0, false, true, true}, ZOrder::Bottom, InitialShow::Hide},
        {"user, errors only", {1, false, true, true}, ZOrder::Bottom, InitialShow::ShowAndForeground},
        {"user mode 3", {3, true, false, true}, ZOrder::Topmost, InitialShow::ShowAndForeground},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(static_cast<int>(initialZOrder(r.s)), static_cast<int>(r.z)) << r.row;
        EXPECT_EQ(static_cast<int>(initialShow(r.s)), static_cast<int>(r.show)) << r.row;
    }
    EXPECT_TRUE(startsUserTouched(1));
    EXPECT_TRUE(startsUserTouched(3));
    EXPECT_FALSE(startsUserTouched(0));
    EXPECT_FALSE(startsUserTouched(2));
    EXPECT_TRUE(takesFocusAfterCreation(0, false));
    EXPECT_FALSE(takesFocusAfterCreation(1, false));
    EXPECT_FALSE(takesFocusAfterCreation(0, true));
}

}  // namespace
}  // namespace zrt::statuswindow
