// Message boxes shown to the user.
#pragma once

#include <cstdint>
#include <string>

#include "uninstaller/frame/system/desktop.h"

namespace zrt::un {

// MB_* types and ID* answers.
inline constexpr std::uint32_t kBoxOk = 0x00;
inline constexpr std::uint32_t kBoxYesNo = 0x04;
inline constexpr std::uint32_t kBoxIconError = 0x10;
inline constexpr std::uint32_t kBoxIconWarning = 0x30;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int show(WindowRef owner, const std::string& text, const std::string& title,
                     std::uint32_t type) = 0;
};

}  // namespace zrt::un
