#include <vector>

#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {

bool Win32Text::isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

std::string Win32Text::loadString(unsigned id) {
    // A text that fills the buffer may have been cut: try again with more room. A string-table
    // entry holds at most 65535 UTF-16 units.
    for (std::size_t size = 512; size <= 0x40000; size *= 4) {
        std::vector<char> buffer(size, '\0');
        const int length = LoadStringA(resources_, id, buffer.data(), static_cast<int>(size));
        if (length <= 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < size - 1) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
    }
    return {};
}

Outcome<std::string> Win32Text::formatMessage(const std::string& pattern,
                                              const std::vector<std::string>& arguments,
                                              std::size_t maxBytes) {
    if (maxBytes == 0) {
        return failed<std::string>(ERROR_INSUFFICIENT_BUFFER);
    }
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    // An insert number beyond the arguments (up to %99) reads an empty text, never past the array.
    constexpr std::size_t kHighestInsert = 99;
    while (pointers.size() < kHighestInsert) {
        pointers.push_back("");
    }
    std::vector<char> buffer(maxBytes, '\0');
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, pattern.c_str(), 0, 0,
        buffer.data(), static_cast<DWORD>(maxBytes),
        reinterpret_cast<va_list*>(const_cast<char**>(pointers.data())));
    if (length == 0) {
        return failed<std::string>(GetLastError());
    }
    return std::string(buffer.data(), std::min<std::size_t>(length, maxBytes - 1));
}

Win32Machine::Win32Machine(HINSTANCE resources, std::string arguments)
    : platform_(std::move(arguments)), text_(resources),
      machine_{registry_, spooler_, files_,    profiles_, processes_, mutexes_, desktop_,
               services_, platform_, text_,     boxes_,     clock_} {}

}  // namespace zrt::un::win32
