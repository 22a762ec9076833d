#include <gtest/gtest.h>

#include "statuswindow/core/command_line.h"

namespace zrt::statuswindow {
namespace {

struct ScanCase {
    const char* row;
    Text line;
    StartDecision decision;
    Text printer;
    Text port;
    std::uint32_t mode;
};

const char* nameOf(StartDecision d) {
    switch (d) {
        case StartDecision::Exit: return "Exit";
        case StartDecision::Start: return "Start";
        case StartDecision::DerivePortAndStart: return "DerivePortAndStart";
    }
    return "?";
}

TEST(CommandLine, ScanAndStartDecision) {
    const Text longPort(100, u'p');
    const Text name259(259, u'n');
    const Text name260(260, u'n');
    const ScanCase cases[] = {
        {"all three switches", u"C:\\w\\ZRT7QSWK.EXE !DKX-5180 !PLPT1: !L1", StartDecision::Start, u"KX-5180", u"LPT1:", 1},
        {"name only exits", u"swk.exe !DKX-5180", StartDecision::Exit, u"KX-5180", u"", 0},
        {"name and port without mode", u"swk.exe !DKX-5180 !PUSB001", StartDecision::Start, u"KX-5180", u"USB001", 0},
        {"name and mode derive the port", u"swk.exe !DKX-5180 !L1", StartDecision::DerivePortAndStart, u"KX-5180", u"", 1},
        {"server name and mode", u"swk.exe !D\\\\srv\\kx !L1", StartDecision::DerivePortAndStart, u"\\\\srv\\kx", u"", 1},
        {"complete without name fails", u"swk.exe !PLPT1: !L0", StartDecision::Exit, u"", u"LPT1:", 0},
        {"blanks around values", u"swk.exe !D   My KX  \t!P  LPT1:   !L2", StartDecision::Start, u"My KX", u"LPT1:", 2},
        {"name cut at the next bang", u"swk.exe !PLPT1: !DKX!Office !L0", StartDecision::Start, u"KX", u"LPT1:", 0},
        {"bad mode digit ends the scan", u"swk.exe !DKX !PLPT1: !L4", StartDecision::Start, u"KX", u"LPT1:", 0},
        {"bad mode without port exits", u"swk.exe !DKX !L9", StartDecision::Exit, u"KX", u"", 0},
        {"unknown switch ends the scan", u"swk.exe !DKX !X !PLPT1: !L1", StartDecision::Exit, u"KX", u"", 0},
        {"lower-case switch is unknown", u"swk.exe !dKX !PLPT1: !L1", StartDecision::Exit, u"", u"", 0},
        {"bang at the end", u"swk.exe !DKX !PLPT1: !", StartDecision::Start, u"KX", u"LPT1:", 0},
        {"mode letter at the end", u"swk.exe !DKX !L", StartDecision::Exit, u"KX", u"", 0},
        {"text after the mode", u"swk.exe !DKX !PLPT1: !L3 extra", StartDecision::Start, u"KX", u"LPT1:", 3},
        {"no blank: all program path", u"swk.exe!DKX!PLPT1:!L1", StartDecision::Exit, u"", u"", 0},
        {"port cut to 79", u"swk.exe !DKX !P" + longPort + u" !L0", StartDecision::Start, u"KX", Text(79, u'p'), 0},
        {"name of 259 kept", u"swk.exe !D" + name259 + u" !PLPT1: !L0", StartDecision::Start, name259, u"LPT1:", 0},
        {"name of 260 refused", u"swk.exe !D" + name260 + u" !PLPT1: !L0", StartDecision::Exit, u"", u"LPT1:", 0},
        {"empty port with complete scan", u"swk.exe !DKX !P !L1", StartDecision::Start, u"KX", u"", 1},
        {"later switch wins", u"swk.exe !DA !DB !PLPT1: !L0", StartDecision::Start, u"B", u"LPT1:", 0},
    };
    for (const ScanCase& c : cases) {
        const CommandLineScan scan = scanCommandLine(c.line);
        EXPECT_EQ(nameOf(decideStart(scan)), std::string(nameOf(c.decision))) << c.row;
        EXPECT_EQ(toPrintable(scan.printerName), toPrintable(c.printer)) << c.row;
        EXPECT_EQ(toPrintable(scan.portText), toPrintable(c.port)) << c.row;
        EXPECT_EQ(scan.launchMode, c.mode) << c.row;
    }
}

TEST(CommandLine, PortCutBeforeTrailingBlanksGoes) {
    // 78 characters, a blank at position 79, more text after it: the kept text has no blank.
    const Text value = Text(78, u'p') + u" tail";
    const CommandLineScan scan = scanCommandLine(u"swk.exe !DKX !P" + value + u" !L0");
    EXPECT_EQ(scan.portText, Text(78, u'p'));
}

TEST(CommandLine, RelaunchLineCarriesNamePortAndMode) {
    EXPECT_EQ(toPrintable(relaunchCommandLine(u"C:\\windows\\system32", u"KX 5180", u"\\\\srv\\kx", 2)),
              toPrintable(u"C:\\windows\\system32\\spool\\drivers\\w32x86\\3\\ZRT7QSWK.EXE !DKX 5180 !P\\\\srv\\kx !L2"));
    // The relaunched copy reads back what was written.
    const CommandLineScan scan = scanCommandLine(relaunchCommandLine(u"C:\\sys", u"KX 5180", u"LPT1:", 3));
    EXPECT_EQ(decideStart(scan), StartDecision::Start);
    EXPECT_EQ(scan.printerName, u"KX 5180");
    EXPECT_EQ(scan.portText, u"LPT1:");
    EXPECT_EQ(scan.launchMode, 3u);
}

TEST(CommandLine, MutexNameAndSettingsKeyReplaceBackslashesInTheSamePlaces) {
    struct Row {
        Text printer, mutex, key;
    } rows[] = {
        {u"KX-5180", u"ZRT7Q_KX-5180", u"Software\\Vemar\\ZRT7Q\\KX-5180\\PSW"},
        {u"\\\\srv\\kx", u"ZRT7Q___srv_kx", u"Software\\Vemar\\ZRT7Q\\,,srv,kx\\PSW"},
        {u"", u"ZRT7Q_", u"Software\\Vemar\\ZRT7Q\\\\PSW"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(toPrintable(instanceMutexName(r.printer)), toPrintable(r.mutex)) << toPrintable(r.printer);
        EXPECT_EQ(toPrintable(settingsKeyPath(r.printer)), toPrintable(r.key)) << toPrintable(r.printer);
    }
}

}  // namespace
}  // namespace zrt::statuswindow
