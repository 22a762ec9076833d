// Small helpers for the UTF-16 texts of the status window (printer names, port texts, pane
// texts). Portable: the shell hands its wide strings over as char16_t text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zrt::statuswindow {

using Text = std::u16string;
using TextView = std::u16string_view;

// A blank of the command line: space or tab.
constexpr bool isBlank(char16_t c) noexcept { return c == u' ' || c == u'\t'; }

// The text without leading blanks.
TextView skipLeadingBlanks(TextView text) noexcept;
// The text without trailing blanks.
TextView trimTrailingBlanks(TextView text) noexcept;
// At most maxChars characters of text.
TextView cut(TextView text, std::size_t maxChars) noexcept;
// Every occurrence of from replaced by to.
Text replaceAll(TextView text, char16_t from, char16_t to);
// ASCII text widened to UTF-16.
Text fromAscii(std::string_view ascii);
// UTF-16 text narrowed for diagnostics: ASCII kept, anything else as \uXXXX.
std::string toPrintable(TextView text);
// Compares without regard to case (ASCII and Latin-1 letters, full-width Latin letters).
bool equalsIgnoringCase(TextView a, TextView b) noexcept;
// Decimal text of a signed or unsigned number.
Text decimal(std::int64_t value);
// Eight lower-case hexadecimal digits, zero-padded.
Text hex8(std::uint32_t value);

}  // namespace zrt::statuswindow
