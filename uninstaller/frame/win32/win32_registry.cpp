#include "uninstaller/frame/win32/win32_registry.h"

#include <windows.h>

#include <vector>

namespace zrt::un::win32 {
namespace {

HKEY rootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

REGSAM samOf(RegistryAccess access) {
    switch (access) {
    case RegistryAccess::Read: return KEY_READ;
    case RegistryAccess::Write: return KEY_WRITE;
    case RegistryAccess::All: return KEY_ALL_ACCESS;
    }
    return KEY_READ;
}

HKEY hkey(const OwnedHandle& key) { return reinterpret_cast<HKEY>(key.get()); }

WinError code(LONG status) { return static_cast<WinError>(status); }

}  // namespace

void Win32Registry::closeHandle(RawHandle handle) noexcept {
    RegCloseKey(reinterpret_cast<HKEY>(handle));
}

Outcome<OwnedHandle> Win32Registry::openKey(RegistryRoot root, const std::string& path,
                                            RegistryAccess access) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(rootKey(root), path.c_str(), 0, samOf(access), &key);
    if (status != ERROR_SUCCESS) {
        return failed<OwnedHandle>(code(status));
    }
    return OwnedHandle(*this, reinterpret_cast<RawHandle>(key));
}

Outcome<OwnedHandle> Win32Registry::createKey(RegistryRoot root, const std::string& path) {
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(rootKey(root), path.c_str(), 0, nullptr, 0,
                                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return failed<OwnedHandle>(code(status));
    }
    return OwnedHandle(*this, reinterpret_cast<RawHandle>(key));
}

Outcome<RegistryValue> Win32Registry::queryValue(const OwnedHandle& key, const std::string& name) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(hkey(key), name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> data;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size);
        status = RegQueryValueExA(hkey(key), name.c_str(), nullptr, &type,
                                  data.empty() ? nullptr : data.data(), &size);
        if (status == ERROR_SUCCESS) {
            RegistryValue value;
            value.type = static_cast<RegistryType>(type);
            value.data.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size));
            return value;
        }
    }
    return failed<RegistryValue>(code(status));
}

WinError Win32Registry::setValue(const OwnedHandle& key, const std::string& name,
                                 const RegistryValue& value) {
    return code(RegSetValueExA(hkey(key), name.c_str(), 0, static_cast<DWORD>(value.type),
                               reinterpret_cast<const BYTE*>(value.data.data()),
                               static_cast<DWORD>(value.data.size())));
}

WinError Win32Registry::deleteValue(const OwnedHandle& key, const std::string& name) {
    return code(RegDeleteValueA(hkey(key), name.c_str()));
}

Outcome<std::string> Win32Registry::enumSubKey(const OwnedHandle& key, std::uint32_t index) {
    char name[256];  // key names are at most 255 characters
    DWORD length = sizeof name;
    const LONG status =
        RegEnumKeyExA(hkey(key), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) {
        return failed<std::string>(code(status));
    }
    return std::string(name, length);
}

Outcome<RegistryEntry> Win32Registry::enumValue(const OwnedHandle& key, std::uint32_t index) {
    DWORD nameMax = 0;
    DWORD dataMax = 0;
    LONG status = RegQueryInfoKeyA(hkey(key), nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, &nameMax, &dataMax, nullptr, nullptr);
    if (status != ERROR_SUCCESS) {
        return failed<RegistryEntry>(code(status));
    }
    std::vector<char> name(nameMax + 1);
    std::vector<BYTE> data(dataMax + 1);
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataLength = static_cast<DWORD>(data.size());
    DWORD type = 0;
    status = RegEnumValueA(hkey(key), index, name.data(), &nameLength, nullptr, &type,
                           data.data(), &dataLength);
    if (status != ERROR_SUCCESS) {
        return failed<RegistryEntry>(code(status));
    }
    RegistryEntry entry;
    entry.name.assign(name.data(), nameLength);
    entry.value.type = static_cast<RegistryType>(type);
    entry.value.data.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(dataLength));
    return entry;
}

WinError Win32Registry::deleteKey(const OwnedHandle& parent, const std::string& subKey) {
    return code(RegDeleteKeyA(hkey(parent), subKey.c_str()));
}

}  // namespace zrt::un::win32
