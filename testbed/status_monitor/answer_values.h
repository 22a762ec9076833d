// Values of the stand-in's answer settings: the bytes a device request answers with. Portable.
//
//   Device9.Output=1234            little-endian 32-bit words, decimal or 0x hex, separated by
//   Device2.Output=0, 1               blanks or commas
//   Device11.Bytes=01 ff 00 08     single bytes in hex, separated by blanks or commas
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zrt::testbed {

// None when an item is not a 32-bit number.
std::optional<std::vector<std::uint8_t>> parseWordList(std::string_view text);
// None when an item is not one or two hex digits.
std::optional<std::vector<std::uint8_t>> parseByteList(std::string_view text);

}  // namespace zrt::testbed
