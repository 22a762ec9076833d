// Helpers of the stand-in's Wine tests: a throwaway folder, scoped environment variables, a
// window that records what it receives, a message pump with a deadline, the call log's lines.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zrt::testbed::wine {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();  // deletes its files, then itself
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& path() const { return path_; }
    std::wstring file(const wchar_t* name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Sets (or, with nullptr, removes) an environment variable; the old state comes back after.
class ScopedEnv {
public:
    ScopedEnv(const wchar_t* name, const wchar_t* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::wstring name_;
    bool hadValue_ = false;
    std::wstring oldValue_;
};

// What a RecordingWindow received: WM_COPYDATA (message WM_COPYDATA, kind, bytes) or a
// private message (message number, wParam).
struct Received {
    UINT message = 0;
    WPARAM wParam = 0;
    std::uint32_t kind = 0;
    std::vector<std::uint8_t> data;
};

class RecordingWindow {
public:
    // A hidden top-level window of className (registered on first use) titled title.
    RecordingWindow(const wchar_t* className, const wchar_t* title);
    ~RecordingWindow();
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;
    HWND hwnd() const { return hwnd_; }
    const std::vector<Received>& received() const { return received_; }

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    std::vector<Received> received_;
};

// Handles messages of this thread until done() or the deadline; returns done().
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

bool writeUtf8File(const std::wstring& path, const std::string& text);
std::string readFile(const std::wstring& path);
// Lines of a text file, without line ends.
std::vector<std::string> readLines(const std::wstring& path);

std::string utf8(const std::wstring& text);
// Folder of this test program (where the build puts ZRT7QSMK.DLL too).
std::wstring programFolder();

}  // namespace zrt::testbed::wine
