// Call log lines, UTF-8 conversion and answer values of the stand-in.
#include <gtest/gtest.h>

#include "testbed/status_monitor/answer_values.h"
#include "testbed/status_monitor/call_log_line.h"
#include "testbed/status_monitor/utf_text.h"

namespace zrt::testbed {
namespace {

TEST(CallLogLine, ReadableOneLine) {
    EXPECT_EQ(CallLogLine("SmPsw_JobRequest").number("handle", 1).number("request", 2060)
                  .number("value", 0).result(1).str(),
              "SmPsw_JobRequest handle=1 request=2060 value=0 -> 1");
    EXPECT_EQ(CallLogLine("f").text("printer", u"\\\\srv\\プリンタ").none("port").str(),
              "f printer=\"\\\\srv\\プリンタ\" port=null");
    EXPECT_EQ(CallLogLine("f").text("t", u"a\"b\nc").hex("w", 0x1F).str(), "f t=\"a\\x22b\\x0ac\" w=0x1f");
    const std::uint8_t bytes[] = {0x0C, 0, 0xFF};
    EXPECT_EQ(CallLogLine("f").bytes("in", bytes, 3).bytes("none", nullptr, 0).str(),
              "f in=0c00ff none=null");
    const std::vector<std::uint8_t> many(CallLogLine::kMaxLoggedBytes + 1, 0xAB);
    const std::string line = CallLogLine("f").bytes("in", many.data(), many.size()).str();
    EXPECT_EQ(line.size(), std::string("f in=").size() + 2 * CallLogLine::kMaxLoggedBytes + 3);
}

TEST(UtfText, RefusesMalformedUtf8) {
    const struct { const char* name; const char* text; } bad[] = {
        {"lone continuation", "\x80"},    {"cut sequence", "\xE3\x81"},
        {"overlong slash", "\xC0\xAF"},   {"surrogate", "\xED\xA0\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"}, {"invalid lead", "\xFF"},
    };
    for (const auto& row : bad) EXPECT_FALSE(utf8ToUtf16(row.text).has_value()) << row.name;
    EXPECT_EQ(utf8ToUtf16("a\xF0\x9F\x98\x80"), std::u16string(u"a\U0001F600"));
    EXPECT_EQ(utf16ToUtf8(u"a\U0001F600報"), "a\xF0\x9F\x98\x80報");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(AnswerValues, WordsAndBytes) {
    EXPECT_EQ(parseWordList("1, 0x100"), (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(parseByteList("01 ff,8"), (std::vector<std::uint8_t>{1, 0xFF, 8}));
    EXPECT_EQ(parseWordList(""), std::vector<std::uint8_t>{});
    EXPECT_FALSE(parseWordList("1 x").has_value());
    EXPECT_FALSE(parseWordList("4294967296").has_value());
    EXPECT_FALSE(parseByteList("100").has_value());
    EXPECT_FALSE(parseByteList("g1").has_value());
}

}  // namespace
}  // namespace zrt::testbed
