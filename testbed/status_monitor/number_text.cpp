#include "testbed/status_monitor/number_text.h"

namespace zrt::testbed {
namespace {

int digitValue(char c, std::uint32_t base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value >= 0 && static_cast<std::uint32_t>(value) < base ? value : -1;
}

}  // namespace

NumberParse parseNumber(std::string_view text) {
    std::uint32_t base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return {NumberStatus::Bad, 0};
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0) return {NumberStatus::Bad, 0};
        value = value * base + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFULL) {
            tooLarge = true;
            value = 0;  // keep scanning for bad digits, which win over the size
        }
    }
    if (tooLarge) return {NumberStatus::TooLarge, 0};
    return {NumberStatus::Ok, static_cast<std::uint32_t>(value)};
}

NumberParse parseBits(std::string_view text) {
    std::uint32_t bits = 0;
    while (true) {
        const auto bar = text.find('|');
        const NumberParse part = parseNumber(text.substr(0, bar));
        if (part.status != NumberStatus::Ok) return part;
        bits |= part.value;
        if (bar == std::string_view::npos) return {NumberStatus::Ok, bits};
        text.remove_prefix(bar + 1);
    }
}

}  // namespace zrt::testbed
