// Files through the 8-bit file functions and the version library.
#pragma once

#include "uninstaller/frame/system/files.h"

namespace zrt::un::win32 {

class Win32Files final : public Files {
public:
    Outcome<std::uint32_t> attributes(const std::string& path) override;
    WinError setAttributes(const std::string& path, std::uint32_t attributes) override;
    WinError copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    WinError deleteFile(const std::string& path) override;
    WinError createDirectory(const std::string& path) override;
    WinError removeDirectory(const std::string& path) override;
    WinError moveFile(const std::string& from, const std::string& to, std::uint32_t flags) override;
    Outcome<std::string> shortPathName(const std::string& path) override;
    Outcome<std::string> versionValue(const std::string& path,
                                      const std::string& subBlock) override;
    Outcome<std::unique_ptr<TextFileWriter>> createTextFile(const std::string& path) override;
};

}  // namespace zrt::un::win32
