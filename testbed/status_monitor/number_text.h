// 32-bit numbers as the stand-in's scenario and answer files write them: decimal or 0x hex,
// optionally several joined with "|" (the bits of all of them). Portable.
#pragma once

#include <cstdint>
#include <string_view>

namespace zrt::testbed {

enum class NumberStatus { Ok, Bad, TooLarge };

struct NumberParse {
    NumberStatus status = NumberStatus::Bad;
    std::uint32_t value = 0;
};

// One number: "12", "0x1F". No sign, no blanks.
NumberParse parseNumber(std::string_view text);
// One number or several joined with "|": "0x1|0x2".
NumberParse parseBits(std::string_view text);

}  // namespace zrt::testbed
