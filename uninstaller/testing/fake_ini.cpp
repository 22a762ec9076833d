#include "uninstaller/testing/fake_ini.h"

#include <sstream>

#include "uninstaller/frame/mbcs_text.h"

namespace zrt::un::testing {

std::vector<IniSection> parseIni(const std::string& text) {
    std::vector<IniSection> sections;
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            sections.push_back({trimmed(line.substr(1, close == std::string::npos
                                                            ? std::string::npos
                                                            : close - 1)),
                                {}});
            continue;
        }
        if (sections.empty()) {
            continue;  // entries before any section belong to none
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            sections.back().entries.push_back({line, std::nullopt});
        } else {
            sections.back().entries.push_back(
                {trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1))});
        }
    }
    return sections;
}

const IniSection* findSection(const std::vector<IniSection>& sections, const std::string& name) {
    for (const IniSection& section : sections) {
        if (equalNoCaseAscii(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

std::string iniWithValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value) {
    std::istringstream in(text);
    std::string raw;
    std::string out;
    bool inSection = false;
    bool done = false;
    while (std::getline(in, raw)) {
        const std::string line = trimmed(raw);
        if (!line.empty() && line[0] == '[') {
            if (inSection && !done) {
                out += key + "=" + value + "\r\n";
                done = true;
            }
            const std::size_t close = line.find(']');
            inSection = equalNoCaseAscii(trimmed(line.substr(1, close - 1)), section);
        } else if (inSection && !done) {
            const std::size_t eq = line.find('=');
            if (eq != std::string::npos && equalNoCaseAscii(trimmed(line.substr(0, eq)), key)) {
                out += key + "=" + value + "\r\n";
                done = true;
                continue;
            }
        }
        out += raw + "\n";
    }
    if (!done) {
        if (!inSection) {
            out += "[" + section + "]\r\n";
        }
        out += key + "=" + value + "\r\n";
    }
    return out;
}

}  // namespace zrt::un::testing
