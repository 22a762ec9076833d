// Move-only ownership of a handle that one of the system interfaces handed out. The interface
// that opened it closes it; the fake machine counts what is still open.
#pragma once

#include <cstdint>
#include <utility>

namespace zrt::un {

using RawHandle = std::uintptr_t;

class HandleCloser {
public:
    virtual void closeHandle(RawHandle handle) noexcept = 0;

protected:
    ~HandleCloser() = default;
};

class OwnedHandle {
public:
    OwnedHandle() = default;
    OwnedHandle(HandleCloser& closer, RawHandle handle) : closer_(&closer), handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept
        : closer_(std::exchange(other.closer_, nullptr)), handle_(std::exchange(other.handle_, 0)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            reset();
            closer_ = std::exchange(other.closer_, nullptr);
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { reset(); }

    RawHandle get() const { return handle_; }
    bool valid() const { return closer_ != nullptr; }
    void reset() {
        if (closer_ != nullptr) {
            std::exchange(closer_, nullptr)->closeHandle(handle_);
        }
        handle_ = 0;
    }

private:
    HandleCloser* closer_ = nullptr;
    RawHandle handle_ = 0;
};

}  // namespace zrt::un
