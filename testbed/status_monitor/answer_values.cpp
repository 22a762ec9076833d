#include "testbed/status_monitor/answer_values.h"

#include <string>

#include "testbed/status_monitor/number_text.h"

namespace zrt::testbed {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

std::vector<std::string_view> items(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isSeparator(text[pos])) ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isSeparator(text[pos])) ++pos;
        if (pos > start) out.push_back(text.substr(start, pos - start));
    }
    return out;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> parseWordList(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (std::string_view item : items(text)) {
        const NumberParse word = parseNumber(item);
        if (word.status != NumberStatus::Ok) return std::nullopt;
        for (unsigned shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>((word.value >> shift) & 0xFFU));
        }
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> parseByteList(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (std::string_view item : items(text)) {
        if (item.size() > 2) return std::nullopt;
        const NumberParse byte = parseNumber("0x" + std::string(item));
        if (byte.status != NumberStatus::Ok) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(byte.value));
    }
    return bytes;
}

}  // namespace zrt::testbed
