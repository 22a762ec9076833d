#include "testbed/status_monitor/standin_config.h"

#include <windows.h>

#include <vector>

#include "testbed/status_monitor/number_text.h"
#include "testbed/status_monitor/utf_text.h"

namespace zrt::testbed {
namespace {

std::wstring variableNameOf(std::wstring_view key) {
    std::wstring name = L"ZRT7QSMK_";
    for (wchar_t c : key) {
        if (c == L'.') c = L'_';
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        name.push_back(c);
    }
    return name;
}

std::optional<std::wstring> iniValue(const std::wstring& path, const std::wstring& key) {
    constexpr wchar_t kAbsent[] = L"\x01";
    std::vector<wchar_t> buffer(256);
    while (true) {
        const DWORD length = GetPrivateProfileStringW(kConfigSection, key.c_str(), kAbsent,
                                                      buffer.data(),
                                                      static_cast<DWORD>(buffer.size()),
                                                      path.c_str());
        if (length + 2 < buffer.size()) {
            std::wstring value(buffer.data(), length);
            if (value == kAbsent) return std::nullopt;
            return value;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::optional<std::wstring> environmentValue(const wchar_t* name) {
    const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetEnvironmentVariableW(name, buffer.data(), needed);
    if (length == 0 || length >= needed) return std::nullopt;
    return std::wstring(buffer.data(), length);
}

std::optional<std::wstring> setting(std::wstring_view key) {
    if (auto value = environmentValue(variableNameOf(key).c_str())) return value;
    const auto path = environmentValue(kConfigVariable);
    if (!path || path->empty()) return std::nullopt;
    return iniValue(*path, std::wstring(key));
}

std::uint32_t settingNumber(std::wstring_view key, std::uint32_t fallback) {
    const auto value = setting(key);
    if (!value) return fallback;
    const NumberParse parsed = parseNumber(toUtf8(*value));
    return parsed.status == NumberStatus::Ok ? parsed.value : fallback;
}

std::u16string toU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

std::string toUtf8(std::wstring_view text) { return utf16ToUtf8(toU16(text)); }

}  // namespace zrt::testbed
