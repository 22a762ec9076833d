#include "rc_string_table.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace zrt::statuswindow::testing {

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Resource-compiler escapes: \r \n \t \\ \" and a doubled quote.
std::string unescape(const std::string& quoted) {
    std::string out;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') {
            out.push_back('"');
            ++i;
        } else if (c == '\\' && i + 1 < quoted.size()) {
            const char e = quoted[++i];
            out.push_back(e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

Text utf16(const std::string& utf8) {
    Text out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = 0;
        std::size_t n = 0;
        if (b < 0x80) { cp = b; n = 1; }
        else if ((b >> 5) == 0x6) { cp = b & 0x1F; n = 2; }
        else if ((b >> 4) == 0xE) { cp = b & 0x0F; n = 3; }
        else { cp = b & 0x07; n = 4; }
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

RcStringTable RcStringTable::fromRepository() {
    const std::string root = ZRT_SOURCE_DIR;
    std::map<std::string, std::uint32_t> ids;
    {
        const std::string header = readFile(root + "/statuswindow/resource_ids.h");
        const std::regex define(R"(#define\s+(\w+)\s+(\d+))");
        for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
            ids[(*it)[1]] = static_cast<std::uint32_t>(std::stoul((*it)[2]));
    }
    RcStringTable table;
    const std::string script = readFile(root + "/resources/statuswindow/ZRT7QSWK.rc");
    const std::size_t begin = script.find("STRINGTABLE");
    if (begin == std::string::npos) throw std::runtime_error("no STRINGTABLE");
    const std::regex entry(R"(^\s*(\w+)\s+\"((?:[^\"]|\"\")*)\"\s*\r?$)");
    std::istringstream lines(script.substr(begin));
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, entry)) continue;
        const std::string name = m[1];
        const auto found = ids.find(name);
        const std::uint32_t id = found != ids.end() ? found->second : static_cast<std::uint32_t>(std::stoul(name));
        table.strings_[id] = utf16(unescape(m[2]));
    }
    return table;
}

std::optional<Text> RcStringTable::load(std::uint32_t id) const {
    const auto it = strings_.find(id);
    if (it == strings_.end()) return std::nullopt;
    return it->second;
}

}  // namespace zrt::statuswindow::testing
