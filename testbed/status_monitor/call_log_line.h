// One readable line of the stand-in's call log: the function name, its arguments as
// name=value pairs and the result, e.g.
//   SmPsw_JobRequest handle=1 request=2060 value=0 -> 1
// Texts are written in double quotes as UTF-8; control characters and quotes are escaped as
// \xNN so that a line never breaks. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zrt::testbed {

class CallLogLine {
public:
    explicit CallLogLine(std::string_view function);

    CallLogLine& number(std::string_view name, std::uint64_t value);     // name=12
    CallLogLine& hex(std::string_view name, std::uint64_t value);        // name=0x1f
    CallLogLine& text(std::string_view name, std::u16string_view value); // name="..."
    CallLogLine& utf8(std::string_view name, std::string_view value);    // name="..."
    CallLogLine& none(std::string_view name);                            // name=null
    // name=0c000000 (at most kMaxLoggedBytes bytes, then "...").
    CallLogLine& bytes(std::string_view name, const std::uint8_t* data, std::size_t size);
    // " -> value", then any further pairs describe what the call returned.
    CallLogLine& result(std::uint64_t value);

    const std::string& str() const { return line_; }

    static constexpr std::size_t kMaxLoggedBytes = 64;

private:
    CallLogLine& key(std::string_view name);
    std::string line_;
};

}  // namespace zrt::testbed
