#include "statuswindow/shell_jobs/sound_table_loader.h"

#include <mmsystem.h>

#include <vector>

#include "statuswindow/shell/handles.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell_jobs {

namespace {

// One value by index: std::nullopt at the end of the list or on a read error.
std::optional<sounds::SoundValue> enumValue(HKEY key, DWORD index) {
    std::vector<wchar_t> name(sounds::kMaxSoundNameChars);
    std::vector<wchar_t> data(sounds::kMaxFileNameBytes / sizeof(wchar_t) + 1);  // +1: room for a terminator
    DWORD nameChars = static_cast<DWORD>(name.size());
    DWORD type = 0;
    DWORD dataBytes = static_cast<DWORD>(sounds::kMaxFileNameBytes);
    const LONG rc = RegEnumValueW(key, index, name.data(), &nameChars, nullptr, &type,
                                  reinterpret_cast<LPBYTE>(data.data()), &dataBytes);
    if (rc == ERROR_NO_MORE_ITEMS) return std::nullopt;
    sounds::SoundValue value;
    if (rc == ERROR_MORE_DATA) {
        value.fits = false;  // name or data longer than the limits
        return value;
    }
    if (rc != ERROR_SUCCESS) return std::nullopt;
    value.name = shell::fromWideBounded(name.data(), nameChars);
    value.isString = type == REG_SZ || type == REG_EXPAND_SZ;
    value.data = shell::fromWideBounded(data.data(), dataBytes / sizeof(wchar_t));
    return value;
}

}  // namespace

sounds::SoundTable loadSoundTable(HKEY root, const wchar_t* keyPath) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, keyPath, 0, KEY_READ, &raw) != ERROR_SUCCESS) return {};
    const shell::RegKey key(raw);
    std::vector<sounds::SoundValue> values;
    for (DWORD i = 0;; ++i) {
        std::optional<sounds::SoundValue> v = enumValue(key.get(), i);
        if (!v) break;
        values.push_back(std::move(*v));
    }
    return sounds::SoundTable::fromValues(values);
}

bool waveDeviceExists() { return waveOutGetNumDevs() != 0; }

}  // namespace zrt::statuswindow::shell_jobs
