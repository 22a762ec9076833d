// INI text as the profile functions see it: sections and entries in file order, names matched
// without regard to case, comment lines skipped.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zrt::un::testing {

struct IniEntry {
    std::string key;                   // the whole line when it has no "="
    std::optional<std::string> value;  // trimmed, as written (quotes kept)
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
};

std::vector<IniSection> parseIni(const std::string& text);
const IniSection* findSection(const std::vector<IniSection>& sections, const std::string& name);
// Sets or adds the key, keeping everything else.
std::string iniWithValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value);

}  // namespace zrt::un::testing
