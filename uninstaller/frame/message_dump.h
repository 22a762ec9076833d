// The silent message dump: every log message of silent mode, formatted with empty arguments.
#pragma once

#include <array>

#include "uninstaller/frame/uninstall_log.h"
#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

inline constexpr std::array<unsigned, 12> kDumpedMessages = {47, 48, 49, 50, 51, 52,
                                                             54, 55, 56, 57, 58, 59};
inline constexpr const char* kDumpStartLine =
    "==[ Message debug Start ]==============================================================";
inline constexpr const char* kDumpEndLine =
    "==[  Message debug End  ]==============================================================";

void writeMessageDump(TextServices& text, UninstallLog& log);

}  // namespace zrt::un
