#include <vector>

#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {
namespace {

// The zero-separated list that ends with two zeros, cut to what was returned.
std::vector<std::string> splitZeroList(const std::vector<char>& buffer, DWORD returned) {
    std::vector<std::string> items;
    std::size_t begin = 0;
    const std::size_t end = std::min<std::size_t>(returned, buffer.size());
    while (begin < end && buffer[begin] != '\0') {
        std::size_t stop = begin;
        while (stop < end && buffer[stop] != '\0') {
            ++stop;
        }
        items.emplace_back(buffer.data() + begin, stop - begin);
        begin = stop + 1;
    }
    return items;
}

DWORD sizeOf(std::size_t bufferSize) {
    return static_cast<DWORD>(std::min<std::size_t>(bufferSize, 0x7FFFFFFF));
}

}  // namespace

std::string Win32Profiles::readString(const std::string& file, const std::string& section,
                                      const std::string& key, const std::string& fallback,
                                      std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 sizeOf(bufferSize), file.c_str());
    return std::string(buffer.data(), std::min<std::size_t>(length, bufferSize - 1));
}

std::vector<std::string> Win32Profiles::readSection(const std::string& file,
                                                    const std::string& section,
                                                    std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize + 2, '\0');
    const DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                   sizeOf(bufferSize), file.c_str());
    return splitZeroList(buffer, length);
}

std::vector<std::string> Win32Profiles::readKeyNames(const std::string& file,
                                                     const std::string& section,
                                                     std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize + 2, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                  sizeOf(bufferSize), file.c_str());
    return splitZeroList(buffer, length);
}

bool Win32Profiles::writeString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      file.c_str()) != FALSE;
}

}  // namespace zrt::un::win32
