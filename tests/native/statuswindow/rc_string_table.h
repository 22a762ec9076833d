// The status window's program strings, read from its resource script (UTF-8 source) with the
// ids of its resource header, so that tests use the very texts the program ships.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "statuswindow/core/texts.h"

namespace zrt::statuswindow::testing {

class RcStringTable : public ProgramStrings {
public:
    // Reads ZRT7QSWK.rc and statuswindow/resource_ids.h below the repository root.
    static RcStringTable fromRepository();

    std::optional<Text> load(std::uint32_t id) const override;
    // Forgets one string, as a LoadStringW that fails.
    void remove(std::uint32_t id) { strings_.erase(id); }
    std::size_t size() const { return strings_.size(); }

private:
    std::map<std::uint32_t, Text> strings_;
};

// UTF-8 to UTF-16.
Text utf16(const std::string& utf8);

}  // namespace zrt::statuswindow::testing
