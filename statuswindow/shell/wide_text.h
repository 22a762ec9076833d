// The core's UTF-16 text and the Win32 wide strings are the same code units on Windows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::shell {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide characters are UTF-16 code units");

inline std::wstring toWide(TextView text) { return std::wstring(text.begin(), text.end()); }

inline Text fromWide(const wchar_t* text) {
    if (text == nullptr) return {};
    Text out;
    for (; *text != L'\0'; ++text) out.push_back(static_cast<char16_t>(*text));
    return out;
}

// At most maxChars characters of a text the caller does not vouch for.
inline Text fromWideBounded(const wchar_t* text, std::size_t maxChars) {
    Text out;
    if (text == nullptr) return out;
    for (std::size_t i = 0; i < maxChars && text[i] != L'\0'; ++i) out.push_back(static_cast<char16_t>(text[i]));
    return out;
}

inline std::optional<Text> optionalText(const wchar_t* text) {
    if (text == nullptr) return std::nullopt;
    return fromWide(text);
}

}  // namespace zrt::statuswindow::shell
