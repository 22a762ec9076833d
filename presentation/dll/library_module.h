// The library's own module handle, kept at process attach for loading its resources.
#pragma once

#include <windows.h>

namespace zrt::psm {

HMODULE libraryModule();
void rememberLibraryModule(HMODULE module);

}  // namespace zrt::psm
