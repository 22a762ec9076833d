// Test program standing in for ZRT7QSWK.EXE: writes its whole command line, UTF-8, to the file
// named by ZRT7QSMK_TEST_ARGS_OUT, so that a test can see how it was started.
#include <windows.h>

#include <string>
#include <vector>

int wmain() {
    wchar_t path[MAX_PATH];
    const DWORD pathLength = GetEnvironmentVariableW(L"ZRT7QSMK_TEST_ARGS_OUT", path, MAX_PATH);
    if (pathLength == 0 || pathLength >= MAX_PATH) return 2;
    const wchar_t* line = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return 3;
    std::vector<char> utf8(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8.data(), size, nullptr, nullptr);
    // Written under a temporary name and renamed, so that a reader never sees half a line.
    const std::wstring partial = std::wstring(path) + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 4;
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(size - 1), &written, nullptr);
    CloseHandle(file);
    return MoveFileW(partial.c_str(), path) ? 0 : 5;
}
