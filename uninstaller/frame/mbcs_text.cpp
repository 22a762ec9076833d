#include "uninstaller/frame/mbcs_text.h"

namespace zrt::un {
namespace {

char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::string upperCase(std::string_view text, TextServices& codePage) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (codePage.isLeadByte(static_cast<unsigned char>(result[i]))) {
            ++i;  // the trail byte stays as it is
            continue;
        }
        result[i] = upperAscii(result[i]);
    }
    return result;
}

int compareNoCase(std::string_view a, std::string_view b, TextServices& codePage) {
    std::size_t i = 0;
    bool trail = false;
    for (; i < a.size() && i < b.size(); ++i) {
        char ca = a[i];
        char cb = b[i];
        if (!trail) {
            ca = upperAscii(ca);
            cb = upperAscii(cb);
        }
        if (ca != cb) {
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        }
        trail = !trail && codePage.isLeadByte(static_cast<unsigned char>(a[i]));
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool equalNoCaseAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string replaceFirstPercentS(const std::string& pattern, const std::string& argument) {
    const std::size_t at = pattern.find("%s");
    if (at == std::string::npos) {
        return pattern;
    }
    return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

}  // namespace zrt::un
