#include "tests/support/rc_strings.h"

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <sstream>

#ifndef ZRT_SOURCE_DIR
#error "ZRT_SOURCE_DIR must name the root of the source tree"
#endif

namespace zrt::testing {
namespace {

bool isWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool sameWord(const std::string& word, const char* keyword) {
    std::string lower;
    std::transform(word.begin(), word.end(), std::back_inserter(lower), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower == keyword;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendCodePoint(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

// Walks a script, keeping the line number for error messages.
class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text) {
        if (text_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void advance() {
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
    }

    unsigned line() const { return line_; }

    [[noreturn]] void fail(const std::string& message) const { failAt(line_, message); }

    [[noreturn]] static void failAt(unsigned line, const std::string& message) {
        throw RcParseError("line " + std::to_string(line) + ": " + message);
    }

    // Skips blanks, comments and preprocessor lines.
    void skipSpace() {
        while (!atEnd()) {
            const char c = peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                if (c == '\n') lineStart_ = true;
                advance();
            } else if (c == '/' && peek(1) == '/') {
                skipToLineEnd();
            } else if (c == '/' && peek(1) == '*') {
                skipBlockComment();
            } else if (c == '#' && lineStart_) {
                skipPreprocessorLine();
            } else {
                lineStart_ = false;
                return;
            }
        }
    }

    bool atString() const { return peek() == '"' || ((peek() == 'L' || peek() == 'l') && peek(1) == '"'); }
    bool atWord() const { return isWordChar(peek()); }

    std::string readWord() {
        std::string word;
        while (!atEnd() && isWordChar(peek())) {
            word.push_back(peek());
            advance();
        }
        return word;
    }

    // One string literal (with an optional L prefix), decoded.
    std::u16string readString() {
        if (peek() != '"') advance();  // the L prefix
        advance();
        std::u16string out;
        for (;;) {
            if (atEnd() || peek() == '\n') fail("unterminated string");
            const char c = peek();
            if (c == '"') {
                advance();
                if (peek() != '"') return out;
                out.push_back(u'"');
                advance();
            } else if (c == '\\') {
                advance();
                readEscape(out);
            } else {
                appendCodePoint(out, readUtf8());
            }
        }
    }

private:
    void skipToLineEnd() {
        while (!atEnd() && peek() != '\n') advance();
    }

    void skipBlockComment() {
        advance();
        advance();
        while (!(peek() == '*' && peek(1) == '/')) {
            if (atEnd()) fail("unterminated comment");
            advance();
        }
        advance();
        advance();
    }

    void skipPreprocessorLine() {
        while (!atEnd() && peek() != '\n') {
            if (peek() == '\\' && (peek(1) == '\n' || (peek(1) == '\r' && peek(2) == '\n'))) advance();
            advance();
        }
    }

    void readEscape(std::u16string& out) {
        if (atEnd()) fail("unterminated string");
        const char c = peek();
        switch (c) {
            case 'r': out.push_back(u'\r'); break;
            case 'n': out.push_back(u'\n'); break;
            case 't': out.push_back(u'\t'); break;
            case 'a': out.push_back(u'\a'); break;
            case 'b': out.push_back(u'\b'); break;
            case 'f': out.push_back(u'\f'); break;
            case 'v': out.push_back(u'\v'); break;
            case '\\': out.push_back(u'\\'); break;
            case '"': out.push_back(u'"'); break;
            case '\'': out.push_back(u'\''); break;
            case 'x': case 'X': readHexEscape(out); return;
            default:
                if (c >= '0' && c <= '7') {
                    readOctalEscape(out);
                    return;
                }
                out.push_back(u'\\');  // an unknown escape stays as written
                return;
        }
        advance();
    }

    void readHexEscape(std::u16string& out) {
        advance();
        unsigned value = 0;
        int digits = 0;
        while (digits < 4 && hexValue(peek()) >= 0) {
            value = value * 16 + static_cast<unsigned>(hexValue(peek()));
            advance();
            ++digits;
        }
        if (digits == 0) fail("\\x without hex digits");
        out.push_back(static_cast<char16_t>(value));
    }

    void readOctalEscape(std::u16string& out) {
        unsigned value = 0;
        for (int digits = 0; digits < 3 && peek() >= '0' && peek() <= '7'; ++digits) {
            value = value * 8 + static_cast<unsigned>(peek() - '0');
            advance();
        }
        out.push_back(static_cast<char16_t>(value));
    }

    // One UTF-8 encoded character.
    char32_t readUtf8() {
        const auto lead = static_cast<unsigned char>(peek());
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07u;
        } else {
            fail("invalid UTF-8");
        }
        advance();
        for (int i = 0; i < extra; ++i) {
            const auto next = static_cast<unsigned char>(peek());
            if (atEnd() || (next & 0xC0) != 0x80) fail("invalid UTF-8");
            cp = (cp << 6) | (next & 0x3Fu);
            advance();
        }
        static const char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) fail("invalid UTF-8");
        return cp;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    unsigned line_ = 1;
    bool lineStart_ = true;
};

unsigned parseId(const Scanner& scan, const std::string& word) {
    std::size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(word, &used, 0);
    } catch (const std::exception&) {
        scan.fail("string id is not a number: " + word);
    }
    if (used != word.size() || value > 0xFFFFu) scan.fail("string id is not a number: " + word);
    return static_cast<unsigned>(value);
}

// Skips the optional statements between STRINGTABLE and its BEGIN (or "{").
void skipToBlockStart(Scanner& scan) {
    for (;;) {
        scan.skipSpace();
        if (scan.atEnd()) scan.fail("STRINGTABLE without BEGIN");
        if (scan.peek() == '{') {
            scan.advance();
            return;
        }
        if (scan.atWord()) {
            if (sameWord(scan.readWord(), "begin")) return;
        } else if (scan.peek() == ',') {
            scan.advance();
        } else {
            scan.fail(std::string("unexpected character before BEGIN: ") + scan.peek());
        }
    }
}

void parseBlock(Scanner& scan, RcStrings& strings) {
    skipToBlockStart(scan);
    for (;;) {
        scan.skipSpace();
        if (scan.atEnd()) scan.fail("STRINGTABLE without END");
        if (scan.peek() == '}') {
            scan.advance();
            return;
        }
        if (!scan.atWord() || scan.atString()) scan.fail("string id expected");
        const unsigned line = scan.line();
        const std::string word = scan.readWord();
        if (sameWord(word, "end")) return;
        const unsigned id = parseId(scan, word);
        scan.skipSpace();
        if (scan.peek() == ',') {
            scan.advance();
            scan.skipSpace();
        }
        if (!scan.atString()) scan.fail("string expected after id " + word);
        std::u16string text;
        while (scan.atString()) {
            text += scan.readString();
            scan.skipSpace();
        }
        if (!strings.emplace(id, std::move(text)).second) Scanner::failAt(line, "string id repeated: " + word);
    }
}

}  // namespace

RcStrings parseRcStrings(const std::string& scriptText) {
    RcStrings strings;
    Scanner scan(scriptText);
    for (;;) {
        scan.skipSpace();
        if (scan.atEnd()) return strings;
        if (scan.atString()) {
            scan.readString();
        } else if (scan.atWord()) {
            if (sameWord(scan.readWord(), "stringtable")) parseBlock(scan, strings);
        } else {
            scan.advance();
        }
    }
}

RcStrings readRcStrings(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RcParseError("cannot open " + path);
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw RcParseError("cannot read " + path);
    try {
        return parseRcStrings(content.str());
    } catch (const RcParseError& e) {
        throw RcParseError(path + ": " + e.what());
    }
}

std::string rcPath(const char* relative) {
    std::string path = ZRT_SOURCE_DIR;
    if (relative[0] != '/') path += '/';
    path += relative;
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
    path = "Z:" + path;
#endif
    return path;
}

std::string toUtf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string describe(const std::u16string& text) {
    std::string out = "\"";
    for (char c : toUtf8(text)) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            default: out.push_back(c);
        }
    }
    return out + "\"";
}

}  // namespace zrt::testing
