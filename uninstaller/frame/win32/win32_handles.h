// RAII for the Win32 handles the adapters and the framework hold.
#pragma once

#include <windows.h>

#include <utility>

namespace zrt::un::win32 {

// A handle closed by CloseHandle; invalid as null or INVALID_HANDLE_VALUE.
class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : handle_(handle) {}
    KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() { reset(); }

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle = nullptr) {
        if (valid()) {
            CloseHandle(handle_);
        }
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// A library loaded by LoadLibrary.
class Library {
public:
    explicit Library(HMODULE module) : module_(module) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    HMODULE get() const { return module_; }

    // The exported function as type F, or null.
    template <class F>
    F function(const char* name) const {
        if (module_ == nullptr) {
            return nullptr;
        }
        // Through the generic function pointer type, which any function pointer converts to.
        return reinterpret_cast<F>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

}  // namespace zrt::un::win32
