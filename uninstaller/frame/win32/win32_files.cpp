#include "uninstaller/frame/win32/win32_files.h"

#include <windows.h>

#include <vector>

#include "uninstaller/frame/win32/text_file.h"

namespace zrt::un::win32 {
namespace {

WinError lastErrorUnless(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

// Slack beyond the size the version library asks for.
constexpr DWORD kVersionSlack = 100;

}  // namespace

Outcome<std::uint32_t> Win32Files::attributes(const std::string& path) {
    const DWORD value = GetFileAttributesA(path.c_str());
    if (value == INVALID_FILE_ATTRIBUTES) {
        return failed<std::uint32_t>(GetLastError());
    }
    return static_cast<std::uint32_t>(value);
}

WinError Win32Files::setAttributes(const std::string& path, std::uint32_t value) {
    return lastErrorUnless(SetFileAttributesA(path.c_str(), value));
}

WinError Win32Files::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return lastErrorUnless(CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE));
}

WinError Win32Files::deleteFile(const std::string& path) {
    return lastErrorUnless(DeleteFileA(path.c_str()));
}

WinError Win32Files::createDirectory(const std::string& path) {
    return lastErrorUnless(CreateDirectoryA(path.c_str(), nullptr));
}

WinError Win32Files::removeDirectory(const std::string& path) {
    return lastErrorUnless(RemoveDirectoryA(path.c_str()));
}

WinError Win32Files::moveFile(const std::string& from, const std::string& to,
                              std::uint32_t flags) {
    return lastErrorUnless(
        MoveFileExA(from.c_str(), to.empty() ? nullptr : to.c_str(), flags));
}

Outcome<std::string> Win32Files::shortPathName(const std::string& path) {
    const DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (size == 0) {
        return failed<std::string>(GetLastError());
    }
    std::vector<char> buffer(size + 1);
    const DWORD length =
        GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        return failed<std::string>(length == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER);
    }
    return std::string(buffer.data(), length);
}

Outcome<std::string> Win32Files::versionValue(const std::string& path,
                                              const std::string& subBlock) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        return failed<std::string>(ERROR_RESOURCE_TYPE_NOT_FOUND);
    }
    std::vector<char> block(size + kVersionSlack);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) {
        return failed<std::string>(ERROR_RESOURCE_TYPE_NOT_FOUND);
    }
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), subBlock.c_str(), &value, &length) || value == nullptr) {
        return failed<std::string>(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    const char* begin = static_cast<const char*>(value);
    const char* blockEnd = block.data() + block.size();
    if (begin < block.data() || begin > blockEnd) {
        return failed<std::string>(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    std::size_t bytes = std::min<std::size_t>(length, static_cast<std::size_t>(blockEnd - begin));
    if (subBlock.rfind("\\StringFileInfo", 0) == 0) {
        // A string: its length counts characters including the terminating zero.
        std::size_t text = 0;
        while (text < bytes && begin[text] != '\0') {
            ++text;
        }
        bytes = text;
    }
    return std::string(begin, bytes);
}

Outcome<std::unique_ptr<TextFileWriter>> Win32Files::createTextFile(const std::string& path) {
    return TextFile::create(path);
}

}  // namespace zrt::un::win32
