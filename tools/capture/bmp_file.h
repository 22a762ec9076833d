// Writing a 24-bit bottom-up device-independent bitmap as a .bmp file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::tools {

// Pixels of a 24-bit bottom-up DIB: rows of 3-byte BGR pixels, each row padded to 4 bytes.
struct Dib24 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    static std::size_t stride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }
};

// false when the file cannot be written (GetLastError tells why) or the image is empty.
bool writeBmp(const Dib24& image, const std::wstring& path);

}  // namespace zrt::tools
