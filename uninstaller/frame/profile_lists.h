// Whole INI sections read as tab-separated lists of plain names.
#pragma once

#include <string>
#include <vector>

namespace zrt::un {

inline constexpr std::size_t kSectionBuffer = 32767;

// Joins the section's lines with tabs, turns every ";" into a tab and ends the list where two
// tabs meet (so a ";" at the end of an entry ends the list); no trailing tab.
std::string sectionList(const std::vector<std::string>& lines);
// One more than the number of tabs that are not the list's first character.
int listEntryCount(const std::string& list);
// The entries of a list, empty ones skipped.
std::vector<std::string> listEntries(const std::string& list);
std::string joinList(const std::vector<std::string>& entries);

}  // namespace zrt::un
