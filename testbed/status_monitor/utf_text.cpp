#include "testbed/status_monitor/utf_text.h"

#include <cstdint>

namespace zrt::testbed {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// Decodes the sequence starting at text[pos]; advances pos. None on a malformed sequence.
std::optional<char32_t> decodeOne(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80U) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0U) == 0xC0U) {
        length = 2; value = lead & 0x1FU; minimum = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3; value = lead & 0x0FU; minimum = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4; value = lead & 0x07U; minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) return std::nullopt;
        value = (value << 6) | (byte & 0x3FU);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return value;
}

void appendUtf16(std::u16string& out, char32_t value) {
    if (value < 0x10000) {
        out.push_back(static_cast<char16_t>(value));
        return;
    }
    const char32_t v = value - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
}

void appendUtf8(std::string& out, char32_t value) {
    const auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (value < 0x80) {
        put(value);
    } else if (value < 0x800) {
        put(0xC0 | (value >> 6));
        put(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        put(0xE0 | (value >> 12));
        put(0x80 | ((value >> 6) & 0x3F));
        put(0x80 | (value & 0x3F));
    } else {
        put(0xF0 | (value >> 18));
        put(0x80 | ((value >> 12) & 0x3F));
        put(0x80 | ((value >> 6) & 0x3F));
        put(0x80 | (value & 0x3F));
    }
}

}  // namespace

std::optional<std::u16string> utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto value = decodeOne(text, pos);
        if (!value) return std::nullopt;
        appendUtf16(out, *value);
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        char32_t value = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            value = 0x10000 + ((static_cast<char32_t>(unit - 0xD800) << 10) |
                               static_cast<char32_t>(text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            value = kReplacement;
        }
        appendUtf8(out, value);
    }
    return out;
}

}  // namespace zrt::testbed
