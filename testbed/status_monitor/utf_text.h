// UTF-8 <-> UTF-16 conversion for the stand-in's scenario texts and call log. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrt::testbed {

// None when the text is not well-formed UTF-8 (overlong forms, surrogates, code points above
// U+10FFFF and cut sequences are refused).
std::optional<std::u16string> utf8ToUtf16(std::string_view text);

// A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace zrt::testbed
