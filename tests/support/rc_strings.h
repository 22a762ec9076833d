// Reads the string tables of a UTF-8 resource script, so that tests compare against the texts
// the resource compiler puts into a program, taken from the one source that holds them.
#ifndef ZRT_TESTS_SUPPORT_RC_STRINGS_H
#define ZRT_TESTS_SUPPORT_RC_STRINGS_H

#include <map>
#include <stdexcept>
#include <string>

namespace zrt::testing {

using RcStrings = std::map<unsigned, std::u16string>;

// Raised for a script that cannot be read or whose string table is malformed; the message names
// the line.
class RcParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every entry of every STRINGTABLE block of a UTF-8 script, by id. Text outside the blocks is
// skipped (comments, string literals and preprocessor lines included). Entries are a number
// (decimal, 0x hex or 0 octal), an optional comma and one or more adjacent string literals
// (optionally L-prefixed), which are joined. Escapes are taken as the resource compiler takes
// them: \r \n \t \a \b \f \v \\ \" \' \xHHHH \ooo and "" for a quote; an unknown escape keeps
// its backslash. A repeated id, an id that is not a number or an unterminated string or block
// is an error.
RcStrings parseRcStrings(const std::string& scriptText);

// The same for a script file.
RcStrings readRcStrings(const std::string& path);

// The path of a file of the source tree (relative to its root) as the running test must open
// it: the host path, or under Windows builds (run by Wine) "Z:" and the path with backslashes.
std::string rcPath(const char* relative);

// UTF-8 form of a text, for failure messages.
std::string toUtf8(const std::u16string& text);

// Printable form of a text: UTF-8 with CR, LF, TAB and backslash written as escapes, and
// trailing blanks made visible, for failure messages.
std::string describe(const std::u16string& text);

}  // namespace zrt::testing

#endif  // ZRT_TESTS_SUPPORT_RC_STRINGS_H
