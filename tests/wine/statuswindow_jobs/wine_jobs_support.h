// Helpers of the job-control Wine tests: a printer on a file port in the test prefix, a
// sandbox registry key, a message pump with a deadline, and a recorder of help calls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zrt::statuswindow::wine {

// A printer with a throwaway driver whose port is a file path (Wine's spooler copies a
// scheduled job there). Deleted with its driver afterwards.
class FilePortPrinter {
public:
    FilePortPrinter(const std::wstring& name, const std::wstring& outputFile);
    ~FilePortPrinter();
    FilePortPrinter(const FilePortPrinter&) = delete;
    FilePortPrinter& operator=(const FilePortPrinter&) = delete;
    bool installed() const { return installed_; }
    const std::wstring& name() const { return name_; }

private:
    std::wstring name_;
    std::wstring driver_;
    bool installed_ = false;
};

// A registry key under HKEY_CURRENT_USER deleted with its values afterwards.
class SandboxKey {
public:
    explicit SandboxKey(const std::wstring& path);
    ~SandboxKey();
    SandboxKey(const SandboxKey&) = delete;
    SandboxKey& operator=(const SandboxKey&) = delete;
    HKEY root() const { return HKEY_CURRENT_USER; }
    const std::wstring& path() const { return path_; }
    bool setString(const wchar_t* name, const std::wstring& value) const;
    bool setDword(const wchar_t* name, DWORD value) const;

private:
    std::wstring path_;
};

// Handles messages of this thread until done() or the deadline; returns done().
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

bool writeFile(const std::wstring& path, const std::string& bytes);
std::string readFile(const std::wstring& path);

// One call that reached the help engine.
struct HelpCallRecord {
    HWND window;
    std::wstring file;
    UINT command;
    ULONG_PTR data;
    std::vector<DWORD> pairs;  // HELP_CONTEXTMENU: the list up to its {0, 0} end
};
std::vector<HelpCallRecord>& recordedHelpCalls();
BOOL WINAPI recordHelpCall(HWND window, LPCWSTR file, UINT command, ULONG_PTR data);

std::string utf8(const std::wstring& text);

}  // namespace zrt::statuswindow::wine
