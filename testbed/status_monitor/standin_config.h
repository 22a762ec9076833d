// Settings of the stand-in, read at the time of each call so that a test can change them
// between calls. A setting KEY comes from the environment variable ZRT7QSMK_KEY (KEY in upper
// case, "." as "_"), else from key KEY of section [answers] in the INI file named by
// ZRT7QSMK_CONFIG (a full path).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zrt::testbed {

inline constexpr wchar_t kLogVariable[] = L"ZRT7QSMK_LOG";
inline constexpr wchar_t kConfigVariable[] = L"ZRT7QSMK_CONFIG";
inline constexpr wchar_t kScenarioVariable[] = L"ZRT7QSMK_SCENARIO";
inline constexpr wchar_t kConfigSection[] = L"answers";

std::optional<std::wstring> environmentValue(const wchar_t* name);

std::optional<std::wstring> setting(std::wstring_view key);
// The setting as a number (decimal or 0x hex); fallback when absent or not a number.
std::uint32_t settingNumber(std::wstring_view key, std::uint32_t fallback);

std::u16string toU16(std::wstring_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace zrt::testbed
