#include "statuswindow/core/text.h"

namespace zrt::statuswindow {

namespace {

char16_t foldCase(char16_t c) noexcept {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0xFF21 && c <= 0xFF3A)  // full-width Latin capitals
        return static_cast<char16_t>(c + 0x20);
    return c;
}

}  // namespace

TextView skipLeadingBlanks(TextView text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    return text.substr(i);
}

TextView trimTrailingBlanks(TextView text) noexcept {
    std::size_t n = text.size();
    while (n > 0 && isBlank(text[n - 1])) --n;
    return text.substr(0, n);
}

TextView cut(TextView text, std::size_t maxChars) noexcept {
    return text.substr(0, maxChars);
}

Text replaceAll(TextView text, char16_t from, char16_t to) {
    Text result(text);
    for (char16_t& c : result)
        if (c == from) c = to;
    return result;
}

Text fromAscii(std::string_view ascii) {
    Text result;
    result.reserve(ascii.size());
    for (char c : ascii) result.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return result;
}

std::string toPrintable(TextView text) {
    static const char digits[] = "0123456789abcdef";
    std::string result;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            result.push_back(static_cast<char>(c));
        } else if (c == u'\r') {
            result += "\\r";
        } else if (c == u'\n') {
            result += "\\n";
        } else {
            result += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) result.push_back(digits[(c >> shift) & 0xF]);
        }
    }
    return result;
}

bool equalsIgnoringCase(TextView a, TextView b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    return true;
}

Text decimal(std::int64_t value) {
    return fromAscii(std::to_string(value));
}

Text hex8(std::uint32_t value) {
    static const char digits[] = "0123456789abcdef";
    Text result(8, u'0');
    for (std::size_t i = 0; i < 8; ++i) result[7 - i] = static_cast<char16_t>(digits[(value >> (4 * i)) & 0xF]);
    return result;
}

}  // namespace zrt::statuswindow
