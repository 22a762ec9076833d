#include "testbed/status_monitor/call_log_line.h"

#include "testbed/status_monitor/utf_text.h"

namespace zrt::testbed {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendHexByte(std::string& out, unsigned value) {
    out.push_back(kHexDigits[(value >> 4) & 0xFU]);
    out.push_back(kHexDigits[value & 0xFU]);
}

}  // namespace

CallLogLine::CallLogLine(std::string_view function) : line_(function) {}

CallLogLine& CallLogLine::key(std::string_view name) {
    line_.push_back(' ');
    line_.append(name);
    line_.push_back('=');
    return *this;
}

CallLogLine& CallLogLine::number(std::string_view name, std::uint64_t value) {
    key(name);
    line_ += std::to_string(value);
    return *this;
}

CallLogLine& CallLogLine::hex(std::string_view name, std::uint64_t value) {
    key(name);
    line_ += "0x";
    std::string digits;
    do {
        digits.insert(digits.begin(), kHexDigits[value & 0xFU]);
        value >>= 4;
    } while (value != 0);
    line_ += digits;
    return *this;
}

CallLogLine& CallLogLine::text(std::string_view name, std::u16string_view value) {
    return utf8(name, utf16ToUtf8(value));
}

CallLogLine& CallLogLine::utf8(std::string_view name, std::string_view value) {
    key(name);
    line_.push_back('"');
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte == 0x7FU || c == '"') {
            line_ += "\\x";
            appendHexByte(line_, byte);
        } else {
            line_.push_back(c);
        }
    }
    line_.push_back('"');
    return *this;
}

CallLogLine& CallLogLine::none(std::string_view name) {
    key(name);
    line_ += "null";
    return *this;
}

CallLogLine& CallLogLine::bytes(std::string_view name, const std::uint8_t* data, std::size_t size) {
    if (data == nullptr) return none(name);
    key(name);
    const std::size_t shown = size < kMaxLoggedBytes ? size : kMaxLoggedBytes;
    for (std::size_t i = 0; i < shown; ++i) appendHexByte(line_, data[i]);
    if (shown < size) line_ += "...";
    if (size == 0) line_ += "(empty)";
    return *this;
}

CallLogLine& CallLogLine::result(std::uint64_t value) {
    line_ += " -> " + std::to_string(value);
    return *this;
}

}  // namespace zrt::testbed
