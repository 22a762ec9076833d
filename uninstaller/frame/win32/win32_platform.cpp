#include <new>
#include <vector>

#include "uninstaller/frame/win32/win32_handles.h"
#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {
namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, BOOL*);

std::string folder(UINT (WINAPI* get)(LPSTR, UINT)) {
    std::vector<char> buffer(MAX_PATH + 1);
    UINT length = get(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = get(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    return std::string(buffer.data(), length < buffer.size() ? length : 0);
}

Sid sidOf(PSID sid) {
    Sid result;
    const SID_IDENTIFIER_AUTHORITY* authority = GetSidIdentifierAuthority(sid);
    for (const BYTE b : authority->Value) {
        result.authority = (result.authority << 8) | b;
    }
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    for (UCHAR i = 0; i < count; ++i) {
        result.subAuthorities.push_back(*GetSidSubAuthority(sid, i));
    }
    return result;
}

}  // namespace

Outcome<OsVersion> Win32Platform::osVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) {
        return failed<OsVersion>(GetLastError());
    }
#pragma GCC diagnostic pop
    return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                     info.dwBuildNumber};
}

Outcome<bool> Win32Platform::isWow64Process() {
    const auto query = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));
    if (query == nullptr) {
        return failed<bool>(ERROR_PROC_NOT_FOUND);
    }
    BOOL wow64 = FALSE;
    if (!query(GetCurrentProcess(), &wow64)) {
        return failed<bool>(GetLastError());
    }
    return wow64 != FALSE;
}

Outcome<std::vector<TokenGroup>> Win32Platform::tokenGroups() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) {
        return failed<std::vector<TokenGroup>>(GetLastError());
    }
    const KernelHandle token(raw);
    DWORD size = 0;
    if (!GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &size) &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return failed<std::vector<TokenGroup>>(GetLastError());
    }
    // Aligned storage for the variable-length TOKEN_GROUPS record.
    std::vector<std::uint64_t> buffer;
    try {
        buffer.resize(size / sizeof(std::uint64_t) + 1);
    } catch (const std::bad_alloc&) {
        return failed<std::vector<TokenGroup>>(ERROR_NOT_ENOUGH_MEMORY);
    }
    if (!GetTokenInformation(token.get(), TokenGroups, buffer.data(),
                             static_cast<DWORD>(buffer.size() * sizeof(std::uint64_t)), &size)) {
        return failed<std::vector<TokenGroup>>(GetLastError());
    }
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
    std::vector<TokenGroup> result;
    for (DWORD i = 0; i < groups->GroupCount; ++i) {
        result.push_back({sidOf(groups->Groups[i].Sid), groups->Groups[i].Attributes});
    }
    return result;
}

std::string Win32Platform::windowsDirectory() { return folder(GetWindowsDirectoryA); }
std::string Win32Platform::systemDirectory() { return folder(GetSystemDirectoryA); }

std::string Win32Platform::modulePath() {
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace zrt::un::win32
