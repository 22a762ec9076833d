#include "uninstaller/frame/profile_lists.h"

namespace zrt::un {

std::string sectionList(const std::vector<std::string>& lines) {
    std::string list;
    for (const std::string& line : lines) {
        list += line;
        list += '\t';
    }
    for (char& c : list) {
        if (c == ';') {
            c = '\t';
        }
    }
    const std::size_t end = list.find("\t\t");
    if (end != std::string::npos) {
        list.erase(end);
    }
    if (!list.empty() && list.back() == '\t') {
        list.pop_back();
    }
    return list;
}

int listEntryCount(const std::string& list) {
    int count = 1;
    for (std::size_t i = 1; i < list.size(); ++i) {
        if (list[i] == '\t') {
            ++count;
        }
    }
    return count;
}

std::vector<std::string> listEntries(const std::string& list) {
    std::vector<std::string> entries;
    std::size_t begin = 0;
    while (begin <= list.size()) {
        std::size_t end = list.find('\t', begin);
        if (end == std::string::npos) {
            end = list.size();
        }
        if (end > begin) {
            entries.push_back(list.substr(begin, end - begin));
        }
        begin = end + 1;
    }
    return entries;
}

std::string joinList(const std::vector<std::string>& entries) {
    std::string list;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        list += i == 0 ? "" : "\t";
        list += entries[i];
    }
    return list;
}

}  // namespace zrt::un
