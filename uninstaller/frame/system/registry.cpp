#include "uninstaller/frame/system/registry.h"

namespace zrt::un {

RegistryValue RegistryValue::dword(std::uint32_t number) {
    RegistryValue value;
    value.type = RegistryType::Dword;
    for (int shift = 0; shift < 32; shift += 8) {
        value.data.push_back(static_cast<char>((number >> shift) & 0xFFu));
    }
    return value;
}

RegistryValue RegistryValue::string(const std::string& text) {
    RegistryValue value;
    value.type = RegistryType::String;
    value.data = text;
    value.data.push_back('\0');
    return value;
}

bool RegistryValue::asDword(std::uint32_t& number) const {
    if (type != RegistryType::Dword || data.size() != 4) {
        return false;
    }
    number = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    return true;
}

}  // namespace zrt::un
