// The registry as the uninstaller reads and cleans it: keys under the predefined roots, typed
// values as raw bytes, enumeration by index in the registry's own order.
#pragma once

#include <cstdint>
#include <string>

#include "uninstaller/frame/system/handle.h"
#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Registry value types (REG_*).
enum class RegistryType : std::uint32_t {
    None = 0, String = 1, ExpandString = 2, Binary = 3, Dword = 4, MultiString = 7,
};

enum class RegistryAccess { Read, Write, All };

struct RegistryValue {
    RegistryType type = RegistryType::None;
    std::string data;  // the bytes as stored (a string includes its terminating zero)

    static RegistryValue dword(std::uint32_t number);
    static RegistryValue string(const std::string& text);
    // The number of a REG_DWORD value of four bytes; false otherwise.
    bool asDword(std::uint32_t& number) const;
};

struct RegistryEntry {
    std::string name;
    RegistryValue value;
};

class Registry {
public:
    virtual ~Registry() = default;
    // kErrorFileNotFound when the key does not exist.
    virtual Outcome<OwnedHandle> openKey(RegistryRoot root, const std::string& path,
                                         RegistryAccess access) = 0;
    virtual Outcome<OwnedHandle> createKey(RegistryRoot root, const std::string& path) = 0;
    virtual Outcome<RegistryValue> queryValue(const OwnedHandle& key, const std::string& name) = 0;
    virtual WinError setValue(const OwnedHandle& key, const std::string& name,
                              const RegistryValue& value) = 0;
    virtual WinError deleteValue(const OwnedHandle& key, const std::string& name) = 0;
    // kErrorNoMoreItems past the last subkey or value.
    virtual Outcome<std::string> enumSubKey(const OwnedHandle& key, std::uint32_t index) = 0;
    virtual Outcome<RegistryEntry> enumValue(const OwnedHandle& key, std::uint32_t index) = 0;
    // Deletes a subkey that has no subkeys of its own.
    virtual WinError deleteKey(const OwnedHandle& parent, const std::string& subKey) = 0;
};

}  // namespace zrt::un
