#include "uninstaller/frame/win32/text_file.h"

namespace zrt::un::win32 {

Outcome<std::unique_ptr<TextFileWriter>> TextFile::create(const std::string& path) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return Outcome<std::unique_ptr<TextFileWriter>>::failure(GetLastError());
    }
    return Outcome<std::unique_ptr<TextFileWriter>>(
        std::unique_ptr<TextFileWriter>(new TextFile(std::move(file))));
}

WinError TextFile::write(const std::string& bytes) {
    if (!file_.valid()) {
        return ERROR_INVALID_HANDLE;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 0x10000));
        if (!WriteFile(file_.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return GetLastError();
        }
        done += written;
    }
    return ERROR_SUCCESS;
}

WinError TextFile::flush() {
    if (!file_.valid()) {
        return ERROR_INVALID_HANDLE;
    }
    return FlushFileBuffers(file_.get()) ? ERROR_SUCCESS : GetLastError();
}

}  // namespace zrt::un::win32
