#include "statuswindow/shell/settings_store.h"

#include "statuswindow/core/command_line.h"
#include "statuswindow/shell/handles.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

std::uint32_t SettingsStore::read(TextView name, std::uint32_t defaultValue) const {
    if (printerName_.empty()) return defaultValue;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, toWide(settingsKeyPath(printerName_)).c_str(), 0, KEY_READ, &raw) !=
        ERROR_SUCCESS)
        return defaultValue;
    const RegKey key(raw);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key.get(), toWide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return defaultValue;
    return value;
}

bool SettingsStore::write(TextView name, std::uint32_t value) const {
    if (printerName_.empty()) return false;
    HKEY raw = nullptr;
    wchar_t emptyClass[] = L"";
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, toWide(settingsKeyPath(printerName_)).c_str(), 0, emptyClass, 0,
                        KEY_WRITE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    const RegKey key(raw);
    const DWORD data = value;
    return RegSetValueExW(key.get(), toWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

}  // namespace zrt::statuswindow::shell
