// Win32 error codes as the uninstaller distinguishes them, and the value-or-error type that
// every system interface returns. Plain numbers: the core never includes <windows.h>.
#pragma once

#include <cstdint>
#include <utility>

namespace zrt::un {

using WinError = std::uint32_t;

inline constexpr WinError kErrorSuccess = 0;
inline constexpr WinError kErrorFileNotFound = 2;
inline constexpr WinError kErrorPathNotFound = 3;
inline constexpr WinError kErrorAccessDenied = 5;
inline constexpr WinError kErrorInvalidHandle = 6;
inline constexpr WinError kErrorNotEnoughMemory = 8;
inline constexpr WinError kErrorSharingViolation = 32;
inline constexpr WinError kErrorFileExists = 80;
inline constexpr WinError kErrorInvalidParameter = 87;
inline constexpr WinError kErrorCallNotImplemented = 120;
inline constexpr WinError kErrorInsufficientBuffer = 122;
inline constexpr WinError kErrorProcNotFound = 127;
inline constexpr WinError kErrorDirNotEmpty = 145;
inline constexpr WinError kErrorAlreadyExists = 183;
inline constexpr WinError kErrorMoreData = 234;
inline constexpr WinError kErrorNoMoreItems = 259;
inline constexpr WinError kErrorResourceDataNotFound = 1812;
inline constexpr WinError kErrorResourceTypeNotFound = 1813;
inline constexpr WinError kErrorServiceDoesNotExist = 1060;
inline constexpr WinError kErrorServiceNotActive = 1062;
inline constexpr WinError kErrorInvalidPrinterName = 1801;
inline constexpr WinError kErrorUnknownPrinterDriver = 1797;
inline constexpr WinError kErrorPrinterDriverInUse = 3001;

// A value or the Win32 error that prevented it.
template <class T>
class Outcome {
public:
    Outcome(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
    static Outcome failure(WinError error) { return Outcome(error, T{}); }

    bool ok() const { return error_ == kErrorSuccess; }
    explicit operator bool() const { return ok(); }
    WinError error() const { return error_; }
    const T& value() const& { return value_; }
    T& value() & { return value_; }
    T&& value() && { return std::move(value_); }

private:
    Outcome(WinError error, T value) : error_(error), value_(std::move(value)) {}
    WinError error_ = kErrorSuccess;
    T value_{};
};

template <class T>
Outcome<T> failed(WinError error) { return Outcome<T>::failure(error); }

}  // namespace zrt::un
