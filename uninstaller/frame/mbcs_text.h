// 8-bit string helpers that respect the double-byte code page: the trail byte of a double-byte
// character is never changed or compared as a letter, so Japanese paths and printer names
// survive upper-casing.
#pragma once

#include <string>
#include <string_view>

#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

std::string upperCase(std::string_view text, TextServices& codePage);
// Comparison without regard to the case of single-byte letters, as the 8-bit Windows string
// functions compare names; < 0, 0 or > 0.
int compareNoCase(std::string_view a, std::string_view b, TextServices& codePage);
// Same, for ASCII names that cannot hold double-byte characters (section and key names).
bool equalNoCaseAscii(std::string_view a, std::string_view b);
// Without the white space (space, tab, CR, LF, VT, FF) at both ends.
std::string trimmed(std::string_view text);
// `pattern` with its first "%s" replaced by `argument`.
std::string replaceFirstPercentS(const std::string& pattern, const std::string& argument);

}  // namespace zrt::un
