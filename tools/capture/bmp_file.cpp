#include "tools/capture/bmp_file.h"

namespace zrt::tools {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

bool writeAll(HANDLE file, const void* data, std::size_t size) {
    DWORD written = 0;
    return size <= 0xFFFFFFFFu && WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

}  // namespace

bool writeBmp(const Dib24& image, const std::wstring& path) {
    const std::size_t imageBytes = Dib24::stride(image.width) * static_cast<std::size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.bits.size() < imageBytes) return false;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(imageBytes);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(imageBytes);
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return false;
    return writeAll(file.get(), &header, sizeof(header)) && writeAll(file.get(), &info, sizeof(info)) &&
           writeAll(file.get(), image.bits.data(), imageBytes);
}

}  // namespace zrt::tools
