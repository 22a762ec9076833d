// The per-printer settings key under HKEY_LOCAL_MACHINE: REG_DWORD values read with the
// caller's default and written by creating the key when needed.
#pragma once

#include <cstdint>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::shell {

class SettingsStore {
public:
    explicit SettingsStore(TextView printerName) : printerName_(printerName) {}
    void rename(TextView printerName) { printerName_ = Text(printerName); }

    // The stored value, or defaultValue when the key, the value or the printer name is missing.
    std::uint32_t read(TextView name, std::uint32_t defaultValue) const;
    bool write(TextView name, std::uint32_t value) const;

private:
    Text printerName_;
};

}  // namespace zrt::statuswindow::shell
