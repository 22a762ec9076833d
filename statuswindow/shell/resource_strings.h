// The program's own string table through LoadStringW.
#pragma once

#include <windows.h>

#include "statuswindow/core/texts.h"

namespace zrt::statuswindow::shell {

class ResourceStrings : public ProgramStrings {
public:
    explicit ResourceStrings(HINSTANCE module) : module_(module) {}
    std::optional<Text> load(std::uint32_t id) const override;

private:
    HINSTANCE module_;
};

}  // namespace zrt::statuswindow::shell
