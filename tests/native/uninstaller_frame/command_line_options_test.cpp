// Parsing and validation of the command line, as a table of cases.
#include "tests/native/uninstaller_frame/frame_fixture.h"
#include "uninstaller/frame/command_line_options.h"
#include "uninstaller/frame/mbcs_text.h"

namespace zrt::un::testing {
namespace {

constexpr const char* kDefaultSelection = "C:\\WINDOWS\\UninstSi.ini";
constexpr const char* kSelection = "C:\\SEL\\LIST.INI";
// "C:\ソフト\LIST.INI" in code page 932: the trail bytes are a backslash and a small "g".
constexpr const char* kJapaneseSelectionLower = "c:\\\x83\x5c\x83\x67\\list.ini";
constexpr const char* kJapaneseSelection = "C:\\\x83\x5c\x83\x67\\LIST.INI";

const char* const kSelectionIni =
    "[Delete Printer Name]\r\n"
    "P1=Printer A\r\n"
    "P2=\r\n"
    "P3=;Printer B\r\n"
    "P4=\x83\x76\x83\x8a\x83\x93\x83\x5e\r\n"
    "[delete driver name]\r\n"
    "D1=Vemar ZRT7Q Color\r\n";

enum class Files { None, Default, DefaultEmpty, Selection };

struct Case {
    const char* name;
    const char* commandLine;
    Files files;
    const char* flags;  // letters of the switches set, in the order S A P D L C E
    const char* selectionFile;
    const char* printerNames;
    const char* driverNames;
    const char* logPath;
    unsigned error;      // 0: valid
    const char* named;   // the switch message 50 names
};

const Case kCases[] = {
    {"empty", "", Files::None, "", "", "", "", "", 0, ""},
    {"slash inside text", "hello /world", Files::None, "", "", "", "", "", 0, ""},
    {"text without slash", "HELLO WORLD", Files::None, "", "", "", "", "", 0, ""},
    {"silent all", "/S /A", Files::None, "SA", "", "", "", "", 0, ""},
    {"lower case", "/s /a", Files::None, "SA", "", "", "", "", 0, ""},
    {"two letters after one slash", "/SA", Files::None, "S", "", "", "", "", 51, ""},
    {"all and cleanup", "/S /A /C", Files::None, "SAC", "", "", "", "", 47, ""},
    {"printer and driver", "/S /P /D", Files::Default, "SPD", kDefaultSelection, "",
     "Vemar ZRT7Q Color\t", "", 47, ""},
    {"default selection", "/S /P", Files::Default, "SP", kDefaultSelection,
     "Printer A\t\x83\x76\x83\x8a\x83\x93\x83\x5e\t", "", "", 0, ""},
    {"default selection without entries", "/S /P", Files::DefaultEmpty, "SP", kDefaultSelection,
     "", "", "", 48, ""},
    {"no default selection", "/S /P", Files::None, "SP", "", "", "", "", 30, ""},
    {"quoted file missing", "/S /P\"C:\\SEL\\NONE.INI\"", Files::Selection, "SP", "", "", "", "",
     30, ""},
    {"quoted file trimmed and upper-cased", "/s /p \" c:\\sel\\list.ini \"", Files::Selection,
     "SP", kSelection, "Printer A\t\x83\x76\x83\x8a\x83\x93\x83\x5e\t", "", "", 0, ""},
    {"driver names", "/S /D\"C:\\SEL\\LIST.INI\"", Files::Selection, "SD", kSelection, "",
     "Vemar ZRT7Q Color\t", "", 0, ""},
    {"driver section without entries", "/S /D\"C:\\WINDOWS\\UNINSTSI.INI\"", Files::DefaultEmpty,
     "SD", "C:\\WINDOWS\\UNINSTSI.INI", "", "", "", 49, ""},
    // The rest goes on after the single quote, where the "C" of the path sets /C.
    {"one quote", "/S /P \"C:\\SEL\\LIST.INI", Files::Default, "SPC", kDefaultSelection,
     "Printer A\t\x83\x76\x83\x8a\x83\x93\x83\x5e\t", "", "", 47, ""},
    {"quotes span to the last one", "/S /P\"C:\\SEL\\LIST.INI\" /D\"C:\\SEL\\LIST.INI\"",
     Files::Selection, "SP", "", "", "", "", 30, ""},
    {"log path up to the next slash", "/S /A /E /L c:\\temp\\x.log /C", Files::None, "SALCE", "",
     "", "", "C:\\TEMP\\X.LOG", 47, ""},
    {"log and skip checks", "/S /A /E /L c:\\temp\\x.log", Files::None, "SALE", "", "", "",
     "C:\\TEMP\\X.LOG", 0, ""},
    {"log without target", "/S /L", Files::None, "SL", "", "", "", "", 51, ""},
    {"nothing but silent", "/S", Files::None, "S", "", "", "", "", 51, ""},
    {"unknown letters ignored", "/S /X /A /Q", Files::None, "SA", "", "", "", "", 0, ""},
    {"cleanup alone", "/S /C", Files::None, "SC", "", "", "", "", 0, ""},
    {"interactive all", "/A", Files::None, "A", "", "", "", "", 50, "[/A]"},
    {"interactive printer then all", "/P /A", Files::Default, "AP", kDefaultSelection,
     "Printer A\t\x83\x76\x83\x8a\x83\x93\x83\x5e\t", "", "", 50, "[/A]"},
    {"interactive skip named last", "/E /P", Files::None, "PE", "", "", "", "", 50, "[/E]"},
    {"interactive log after cleanup", "/L x /C", Files::None, "LC", "", "", "", "X", 50, "[/L]"},
    {"interactive cleanup after driver", "/C /D", Files::None, "DC", "", "", "", "", 50, "[/C]"},
    {"japanese selection file", "/S /P \"c:\\\x83\x5c\x83\x67\\list.ini\"", Files::Selection,
     "SP", kJapaneseSelection, "Printer A\t\x83\x76\x83\x8a\x83\x93\x83\x5e\t", "", "", 0, ""},
};

std::string flagsOf(const CommandLineOptions& o) {
    std::string flags;
    if (o.silent()) flags += 'S';
    if (o.all()) flags += 'A';
    if (o.byPrinter()) flags += 'P';
    if (o.byDriver()) flags += 'D';
    if (o.logging()) flags += 'L';
    if (o.cleanup()) flags += 'C';
    if (o.skipRunningChecks()) flags += 'E';
    return flags;
}

class CommandLineTest : public FrameTest {};

void install(FakeMachine& machine, Files files) {
    if (files == Files::Default) {
        machine.addFile(kDefaultSelection, kSelectionIni);
    } else if (files == Files::DefaultEmpty) {
        machine.addFile(kDefaultSelection, "[Other]\r\nX=1\r\n");
    } else if (files == Files::Selection) {
        machine.addFile(kSelection, kSelectionIni);
        machine.addFile(kJapaneseSelection, kSelectionIni);
    }
}

TEST_F(CommandLineTest, ParsesAndValidatesEveryCase) {
    for (const Case& c : kCases) {
        FakeMachine machine;
        machine.strings = uninstallerStrings();
        install(machine, c.files);
        Machine& m = machine.machine();
        CommandLineOptions options(c.commandLine);
        options.parse(m.text, {m.files, m.profiles, m.platform});
        const bool invalid = options.validate(m.text);
        EXPECT_EQ(flagsOf(options), c.flags) << "row " << c.name;
        EXPECT_EQ(options.selectionFile(), c.selectionFile) << "row " << c.name;
        EXPECT_EQ(options.printerNames(), c.printerNames) << "row " << c.name;
        EXPECT_EQ(options.driverNames(), c.driverNames) << "row " << c.name;
        EXPECT_EQ(options.logPath(), c.logPath) << "row " << c.name;
        EXPECT_EQ(invalid, c.error != 0) << "row " << c.name;
        std::string expected;
        if (c.error == ids::kSilentNeedsS) {
            expected = replaceFirstPercentS(text(ids::kSilentNeedsS), c.named);
        } else if (c.error != 0) {
            expected = text(c.error);
        }
        EXPECT_EQ(options.errorMessage(), expected) << "row " << c.name;
    }
}

TEST_F(CommandLineTest, KeepsTheCommandLineUpperCasedWithDoubleByteTrailBytes) {
    Machine& m = fake.machine();
    CommandLineOptions options(std::string("/s /p \"") + kJapaneseSelectionLower + "\"");
    options.parse(m.text, {m.files, m.profiles, m.platform});
    EXPECT_EQ(options.commandLine(), std::string("/S /P \"") + kJapaneseSelection + "\"");
}

TEST_F(CommandLineTest, TargetModeTakesTheLaterOfAllPrinterDriver) {
    Machine& m = fake.machine();
    fake.addFile(kDefaultSelection, kSelectionIni);
    const std::pair<const char*, TargetMode> rows[] = {
        {"/S", TargetMode::None},       {"/S /A", TargetMode::All},
        {"/S /P /A", TargetMode::ByPrinter}, {"/S /A /P /D", TargetMode::ByDriver},
    };
    for (const auto& [line, mode] : rows) {
        CommandLineOptions options(line);
        options.parse(m.text, {m.files, m.profiles, m.platform});
        EXPECT_EQ(options.targetMode(), mode) << "command line " << line;
    }
}

}  // namespace
}  // namespace zrt::un::testing
