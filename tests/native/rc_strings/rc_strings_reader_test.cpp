// The string-table reader on small scripts: escapes as the resource compiler takes them, several
// blocks, text outside the blocks, and the faults it reports.
#include "tests/support/rc_strings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zrt::testing::describe;
using zrt::testing::parseRcStrings;
using zrt::testing::RcParseError;

const char kScript[] =
    "// Strings of a test program. STRINGTABLE in a comment is not a block.\n"
    "#pragma code_page(65001)\n"
    "#include \"ids.h\"\n"
    "/* STRINGTABLE BEGIN 99, \"commented out\" END */\n"
    "IDM_MENU MENU\n"
    "BEGIN\n"
    "    MENUITEM \"STRINGTABLE\", 100\n"
    "END\n"
    "\n"
    "STRINGTABLE\n"
    "BEGIN\n"
    "    1, \"plain\"\n"
    "    2, \"line\\r\\nbreak\\r\\n\"\n"
    "    3, \"say \"\"hi\"\"\"\n"
    "    4, \"back\\\\slash and \\\"quote\\\"\"\n"
    "    5, \"tab\\there\"\n"
    "    6 \"no comma\"\n"
    "    7, \"joined \" \"parts\"\n"
    "    8, L\"wide\"\n"
    "    0x10, \"hex id\"\n"
    "    9, \"\\x41\\101\"\n"
    "    10, \"trailing blank \"\n"
    "    11, \"\"\n"
    "    12, \"unknown \\q escape\"\n"
    "END\n"
    "\n"
    "LANGUAGE LANG_JAPANESE, SUBLANG_DEFAULT\n"
    "STRINGTABLE DISCARDABLE\n"
    "{\n"
    "    20, \"･ カセット１\"   // half-width dot, full-width one\n"
    "    21, \" leading blank\"\n"
    "}\n";

struct Expected {
    unsigned id;
    std::u16string text;
};

TEST(RcStringsReader, ReadsEveryEntryOfEveryBlockWithItsEscapes) {
    const Expected cases[] = {
        {1, u"plain"},
        {2, u"line\r\nbreak\r\n"},
        {3, u"say \"hi\""},
        {4, u"back\\slash and \"quote\""},
        {5, u"tab\there"},
        {6, u"no comma"},
        {7, u"joined parts"},
        {8, u"wide"},
        {16, u"hex id"},
        {9, u"AA"},
        {10, u"trailing blank "},
        {11, u""},
        {12, u"unknown \\q escape"},
        {20, u"\uFF65 \u30AB\u30BB\u30C3\u30C8\uFF11"},
        {21, u" leading blank"},
    };
    const auto strings = parseRcStrings(kScript);
    for (const auto& c : cases) {
        const auto it = strings.find(c.id);
        if (it == strings.end()) {
            ADD_FAILURE() << "id " << c.id << ": expected " << describe(c.text) << ", got no entry";
            continue;
        }
        EXPECT_EQ(it->second, c.text)
            << "id " << c.id << ": expected " << describe(c.text) << ", got " << describe(it->second);
    }
    EXPECT_EQ(strings.size(), std::size(cases)) << "entries outside the blocks were read";
}

TEST(RcStringsReader, ReportsMalformedTablesWithTheirLine) {
    struct Case {
        const char* name;
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"unterminated string", "STRINGTABLE\nBEGIN\n 1, \"open\nEND\n", "line 3: unterminated string"},
        {"repeated id", "STRINGTABLE\nBEGIN\n 1, \"a\"\nEND\nSTRINGTABLE\nBEGIN\n 1, \"b\"\nEND\n",
         "line 7: string id repeated: 1"},
        {"named id", "STRINGTABLE\nBEGIN\n IDS_X, \"a\"\nEND\n", "line 3: string id is not a number: IDS_X"},
        {"id without text", "STRINGTABLE\nBEGIN\n 1,\nEND\n", "line 4: string expected after id 1"},
        {"no END", "STRINGTABLE\nBEGIN\n 1, \"a\"\n", "STRINGTABLE without END"},
        {"no BEGIN", "STRINGTABLE\n", "STRINGTABLE without BEGIN"},
        {"bad UTF-8", "STRINGTABLE\nBEGIN\n 1, \"\xE3\x81\"\nEND\n", "line 3: invalid UTF-8"},
        {"unterminated comment", "STRINGTABLE\nBEGIN\n /* 1, \"a\"\nEND\n", "unterminated comment"},
    };
    for (const auto& c : cases) {
        try {
            parseRcStrings(c.script);
            ADD_FAILURE() << c.name << ": expected the error \"" << c.message << "\", got none";
        } catch (const RcParseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.name << ": expected \"" << c.message << "\", got \"" << e.what() << "\"";
        }
    }
}

TEST(RcStringsReader, MissingFileIsAnError) {
    EXPECT_THROW(zrt::testing::readRcStrings(zrt::testing::rcPath("no/such/script.rc")), RcParseError);
}

TEST(RcStringsReader, PathIsOneTheRunningProgramCanOpen) {
    const std::string path = zrt::testing::rcPath("/resources/presentation/ZRT7QPMU.rc");
#ifdef _WIN32
    EXPECT_EQ(path.rfind("Z:\\", 0), 0u) << path;
    EXPECT_EQ(path.find('/'), std::string::npos) << path;
    EXPECT_NE(path.find("\\resources\\presentation\\ZRT7QPMU.rc"), std::string::npos) << path;
#else
    EXPECT_EQ(path.front(), '/') << path;
    EXPECT_NE(path.find("/resources/presentation/ZRT7QPMU.rc"), std::string::npos) << path;
    EXPECT_EQ(path.find("//"), std::string::npos) << path;
#endif
    EXPECT_EQ(zrt::testing::rcPath("resources/presentation/ZRT7QPMU.rc"), path);
}

}  // namespace
