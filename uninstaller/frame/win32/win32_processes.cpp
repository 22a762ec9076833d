#include "uninstaller/frame/win32/win32_handles.h"
#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {
namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleBaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

std::string systemLibraryPath(const char* name) {
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    std::string path(folder, length <= MAX_PATH ? length : 0);
    if (!path.empty() && path.back() != '\\') {
        path += '\\';
    }
    return path + name;
}

}  // namespace

Outcome<std::vector<std::string>> Win32Processes::mainModuleNames(std::size_t maxProcesses) {
    const Library psapi(LoadLibraryA(systemLibraryPath("psapi.dll").c_str()));
    const auto enumProcesses = psapi.function<EnumProcessesFn>("EnumProcesses");
    const auto enumModules = psapi.function<EnumProcessModulesFn>("EnumProcessModules");
    const auto baseName = psapi.function<GetModuleBaseNameFn>("GetModuleBaseNameA");
    if (enumProcesses == nullptr || enumModules == nullptr || baseName == nullptr) {
        return failed<std::vector<std::string>>(ERROR_PROC_NOT_FOUND);
    }
    std::vector<DWORD> ids(maxProcesses);
    DWORD bytes = 0;
    if (!enumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) {
        return failed<std::vector<std::string>>(GetLastError());
    }
    ids.resize(std::min<std::size_t>(bytes / sizeof(DWORD), ids.size()));
    std::vector<std::string> names;
    for (const DWORD id : ids) {
        const KernelHandle process(
            OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
        if (!process.valid()) {
            continue;
        }
        HMODULE module = nullptr;
        DWORD needed = 0;
        if (!enumModules(process.get(), &module, sizeof module, &needed)) {
            continue;
        }
        char name[MAX_PATH + 1] = {};
        const DWORD length = baseName(process.get(), module, name, MAX_PATH);
        if (length > 0) {
            names.emplace_back(name, std::min<DWORD>(length, MAX_PATH));
        }
    }
    return names;
}

void Win32Mutexes::closeHandle(RawHandle handle) noexcept {
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

Outcome<OwnedHandle> Win32Mutexes::openMutex(const std::string& name) {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
    if (mutex == nullptr) {
        return failed<OwnedHandle>(GetLastError());
    }
    return OwnedHandle(*this, reinterpret_cast<RawHandle>(mutex));
}

Outcome<OwnedHandle> Win32Mutexes::createMutex(const std::string& name, bool initialOwner) {
    HANDLE mutex = CreateMutexA(nullptr, initialOwner ? TRUE : FALSE, name.c_str());
    if (mutex == nullptr) {
        return failed<OwnedHandle>(GetLastError());
    }
    return OwnedHandle(*this, reinterpret_cast<RawHandle>(mutex));
}

}  // namespace zrt::un::win32
