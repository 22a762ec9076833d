// Helpers of the job-control Wine tests: a printer on a file port in the test prefix, a
// sandbox registry key, a message pump with a deadline, and a recorder of help calls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/win32/help_calls.h"
#include "tests/support/win32/test_files.h"

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

// Files and the recorder of help calls shared with the other Wine tests.
using zrt::testing::HelpCallRecord;
using zrt::testing::readFile;
using zrt::testing::recordedHelpCalls;
using zrt::testing::recordHelpCall;
using zrt::testing::writeFile;

std::string utf8(const std::wstring& text);

}  // namespace zrt::statuswindow::wine
