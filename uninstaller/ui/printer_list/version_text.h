// The version text of column 2: "AboutDLGVersion" of the product's data file, whose name and
// folder depend on the platform class.
#pragma once

#include <string>

#include "uninstaller/frame/product_file_names.h"
#include "uninstaller/frame/system/profiles.h"

namespace zrt::un {

inline constexpr const char* kVersionSection = "VersionInfo";
inline constexpr const char* kVersionKey = "AboutDLGVersion";
inline constexpr const char* kVersionFallback = "0.00";
inline constexpr std::size_t kVersionBuffer = 260;

// 9x: the system folder and "%sINA.DAT"; NT 4.0: "\Spool\Drivers\w32x86\2" and "%sINN.DAT";
// Windows 2000 and later: "\Spool\Drivers\w32x86\3" and "%sINK.DAT".
std::string productDataFile(int osCode, const std::string& systemDirectory,
                            const ProductFileNames& names);
std::string productVersionText(Profiles& profiles, const std::string& dataFile);

}  // namespace zrt::un
