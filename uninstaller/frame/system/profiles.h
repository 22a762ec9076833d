// INI files through the profile functions' semantics: section and key names without regard to
// case, values trimmed and unquoted, comment lines (";") skipped, results truncated to the
// caller's buffer size the way the 8-bit profile functions truncate.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zrt::un {

class Profiles {
public:
    virtual ~Profiles() = default;
    // The value of a key, or `fallback` when the file, section or key is absent; at most
    // bufferSize - 1 bytes.
    virtual std::string readString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& fallback,
                                   std::size_t bufferSize) = 0;
    // The section's entries ("key=value" or the line), in file order, within bufferSize.
    virtual std::vector<std::string> readSection(const std::string& file,
                                                 const std::string& section,
                                                 std::size_t bufferSize) = 0;
    // The section's key names, in file order, within bufferSize.
    virtual std::vector<std::string> readKeyNames(const std::string& file,
                                                  const std::string& section,
                                                  std::size_t bufferSize) = 0;
    virtual bool writeString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

}  // namespace zrt::un
