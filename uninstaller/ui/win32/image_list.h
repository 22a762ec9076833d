// An image list, destroyed by its owner; the list view only borrows it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace zrt::un::win32 {

class ImageList {
public:
    ImageList() = default;
    explicit ImageList(HIMAGELIST list) : list_(list) {}
    ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
    ImageList& operator=(ImageList&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.list_, nullptr));
        }
        return *this;
    }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList() { reset(); }

    HIMAGELIST get() const { return list_; }
    void reset(HIMAGELIST list = nullptr) {
        if (list_ != nullptr) {
            ImageList_Destroy(list_);
        }
        list_ = list;
    }

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace zrt::un::win32
