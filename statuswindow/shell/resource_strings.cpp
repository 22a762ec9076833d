#include "statuswindow/shell/resource_strings.h"

namespace zrt::statuswindow::shell {

std::optional<Text> loadModuleString(HINSTANCE module, UINT id) {
    // With a zero buffer size LoadStringW hands out a read-only pointer into the resource.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return std::nullopt;
    Text out;
    for (int i = 0; i < length; ++i) out.push_back(static_cast<char16_t>(text[i]));
    return out;
}

std::optional<Text> ResourceStrings::load(std::uint32_t id) const { return loadModuleString(module_, id); }

}  // namespace zrt::statuswindow::shell
