// A file written as given, through CreateFileA/WriteFile; the framework's text-file class.
#pragma once

#include <memory>
#include <string>

#include "uninstaller/frame/system/files.h"
#include "uninstaller/frame/win32/win32_handles.h"

namespace zrt::un::win32 {

class TextFile final : public TextFileWriter {
public:
    // Creates the file anew (truncating an existing one).
    static Outcome<std::unique_ptr<TextFileWriter>> create(const std::string& path);

    WinError write(const std::string& bytes) override;
    WinError flush() override;
    void close() override { file_.reset(); }

private:
    explicit TextFile(KernelHandle file) : file_(std::move(file)) {}
    KernelHandle file_;
};

}  // namespace zrt::un::win32
