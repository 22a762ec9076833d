// Named mutexes: another program's presence, and the uninstaller's own single instance.
#pragma once

#include <string>

#include "uninstaller/frame/system/handle.h"
#include "uninstaller/frame/system/win_error.h"

namespace zrt::un {

class Mutexes {
public:
    virtual ~Mutexes() = default;
    // kErrorFileNotFound when no mutex of that name exists.
    virtual Outcome<OwnedHandle> openMutex(const std::string& name) = 0;
    virtual Outcome<OwnedHandle> createMutex(const std::string& name, bool initialOwner) = 0;
};

}  // namespace zrt::un
