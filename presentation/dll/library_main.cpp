// Process attach: initialise the common controls and keep the module handle.
#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>

#include "presentation/dll/exports.h"
#include "presentation/dll/library_module.h"

namespace zrt::psm {
namespace {
HMODULE g_module = nullptr;
}

HMODULE libraryModule() { return g_module; }
void rememberLibraryModule(HMODULE module) { g_module = module; }

}  // namespace zrt::psm

BOOL WINAPI DLLMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH && zrt::psm::libraryModule() == nullptr) {
        zrt::psm::rememberLibraryModule(instance);
        DisableThreadLibraryCalls(instance);
        InitCommonControls();
    }
    return TRUE;
}

// The C runtime's entry point hands over to the exported DLLMain.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return DLLMain(instance, reason, reserved);
}
