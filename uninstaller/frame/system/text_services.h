// The 8-bit code page, the string table and the system's message formatter.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

class TextServices {
public:
    virtual ~TextServices() = default;
    // True for a lead byte of a double-byte character in the system code page.
    virtual bool isLeadByte(unsigned char byte) = 0;
    // The string table's text in the system code page; empty when the id has none.
    virtual std::string loadString(unsigned id) = 0;
    // The text with "%1" to "%9" replaced by the arguments (FormatMessage with
    // FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY), at most maxBytes - 1 bytes.
    virtual Outcome<std::string> formatMessage(const std::string& pattern,
                                               const std::vector<std::string>& arguments,
                                               std::size_t maxBytes) = 0;
};

}  // namespace zrt::un
