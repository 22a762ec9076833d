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

// A string of another module's table (the presentation library's help texts); empty if none.
std::optional<Text> loadModuleString(HINSTANCE module, UINT id);

}  // namespace zrt::statuswindow::shell
