// Files as the uninstaller meets them: attributes, copies, deletions (a locked file reports
// kErrorSharingViolation), folders, deferred operations, short names, version resources and
// text files that it writes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

// FILE_ATTRIBUTE_* values.
inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;
inline constexpr std::uint32_t kAttributeNormal = 0x80;

// MOVEFILE_* flags.
inline constexpr std::uint32_t kMoveReplaceExisting = 0x1;
inline constexpr std::uint32_t kMoveDelayUntilReboot = 0x4;

// A file opened for writing; bytes are written as given.
class TextFileWriter {
public:
    virtual ~TextFileWriter() = default;
    virtual WinError write(const std::string& bytes) = 0;
    virtual WinError flush() = 0;
    virtual void close() = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // kErrorFileNotFound / kErrorPathNotFound when nothing is there.
    virtual Outcome<std::uint32_t> attributes(const std::string& path) = 0;
    virtual WinError setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    virtual WinError copyFile(const std::string& from, const std::string& to,
                              bool failIfExists) = 0;
    virtual WinError deleteFile(const std::string& path) = 0;
    // kErrorAlreadyExists for an existing folder.
    virtual WinError createDirectory(const std::string& path) = 0;
    virtual WinError removeDirectory(const std::string& path) = 0;
    // An empty `to` with kMoveDelayUntilReboot deletes at the next start of Windows.
    virtual WinError moveFile(const std::string& from, const std::string& to,
                              std::uint32_t flags) = 0;
    virtual Outcome<std::string> shortPathName(const std::string& path) = 0;
    // One value of the file's version resource, as VerQueryValue gives it (a string without
    // its terminating zero; "\\VarFileInfo\\Translation" as raw bytes).
    // kErrorResourceTypeNotFound when the file has no version resource,
    // kErrorResourceDataNotFound when it lacks that value.
    virtual Outcome<std::string> versionValue(const std::string& path,
                                              const std::string& subBlock) = 0;
    // Creates the file anew (truncating an existing one).
    virtual Outcome<std::unique_ptr<TextFileWriter>> createTextFile(const std::string& path) = 0;

    bool exists(const std::string& path) { return attributes(path).ok(); }
};

}  // namespace zrt::un
