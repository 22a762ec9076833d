// The registry through the 8-bit registry functions.
#pragma once

#include "uninstaller/frame/system/registry.h"

namespace zrt::un::win32 {

class Win32Registry final : public Registry, private HandleCloser {
public:
    Outcome<OwnedHandle> openKey(RegistryRoot root, const std::string& path,
                                 RegistryAccess access) override;
    Outcome<OwnedHandle> createKey(RegistryRoot root, const std::string& path) override;
    Outcome<RegistryValue> queryValue(const OwnedHandle& key, const std::string& name) override;
    WinError setValue(const OwnedHandle& key, const std::string& name,
                      const RegistryValue& value) override;
    WinError deleteValue(const OwnedHandle& key, const std::string& name) override;
    Outcome<std::string> enumSubKey(const OwnedHandle& key, std::uint32_t index) override;
    Outcome<RegistryEntry> enumValue(const OwnedHandle& key, std::uint32_t index) override;
    WinError deleteKey(const OwnedHandle& parent, const std::string& subKey) override;

private:
    void closeHandle(RawHandle handle) noexcept override;
};

}  // namespace zrt::un::win32
