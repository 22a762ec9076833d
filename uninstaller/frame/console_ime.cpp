#include "uninstaller/frame/console_ime.h"

namespace zrt::un {

bool switchConsoleImeOff(Registry& registry) {
    auto key = registry.openKey(RegistryRoot::CurrentUser, kConsoleKey, RegistryAccess::All);
    if (!key) {
        return false;
    }
    const auto value = registry.queryValue(key.value(), kLoadConImeValue);
    std::uint32_t number = 0;
    if (!value || !value.value().asDword(number)) {
        return false;
    }
    static_cast<void>(registry.setValue(key.value(), kLoadConImeValue, RegistryValue::dword(0)));
    return number != 0;
}

void restoreConsoleIme(Registry& registry) {
    auto key = registry.openKey(RegistryRoot::CurrentUser, kConsoleKey, RegistryAccess::All);
    if (key) {
        static_cast<void>(
            registry.setValue(key.value(), kLoadConImeValue, RegistryValue::dword(1)));
    }
}

}  // namespace zrt::un
