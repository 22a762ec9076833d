// The Win32 adapters of the uninstaller's system interfaces, and the machine made of them.
// Each adapter only calls Win32 and hands back what it got; decisions stay in the core.
#pragma once

#include <windows.h>

#include "uninstaller/frame/system/machine.h"
#include "uninstaller/frame/win32/win32_files.h"
#include "uninstaller/frame/win32/win32_registry.h"
#include "uninstaller/frame/win32/win32_spooler.h"

namespace zrt::un::win32 {

class Win32Profiles final : public Profiles {
public:
    std::string readString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           std::size_t bufferSize) override;
    std::vector<std::string> readSection(const std::string& file, const std::string& section,
                                         std::size_t bufferSize) override;
    std::vector<std::string> readKeyNames(const std::string& file, const std::string& section,
                                          std::size_t bufferSize) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

class Win32Processes final : public Processes {
public:
    Outcome<std::vector<std::string>> mainModuleNames(std::size_t maxProcesses) override;
};

class Win32Mutexes final : public Mutexes, private HandleCloser {
public:
    Outcome<OwnedHandle> openMutex(const std::string& name) override;
    Outcome<OwnedHandle> createMutex(const std::string& name, bool initialOwner) override;

private:
    void closeHandle(RawHandle handle) noexcept override;
};

class Win32Desktop final : public Desktop {
public:
    WindowRef findWindow(const std::optional<std::string>& className,
                         const std::optional<std::string>& title) override;
    std::intptr_t sendMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    bool postMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    WindowRef ownerOrParent(WindowRef window) override;
    WindowRef foregroundWindow() override;
};

class Win32Services final : public Services {
public:
    Outcome<std::vector<ServiceEntry>> activeDependents(const std::string& name) override;
    Outcome<ServiceState> queryState(const std::string& name) override;
    WinError start(const std::string& name) override;
    WinError stop(const std::string& name) override;
    WinError remove(const std::string& name) override;
};

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(std::string arguments) : arguments_(std::move(arguments)) {}
    Outcome<OsVersion> osVersion() override;
    Outcome<bool> isWow64Process() override;
    Outcome<std::vector<TokenGroup>> tokenGroups() override;
    std::string windowsDirectory() override;
    std::string systemDirectory() override;
    std::string modulePath() override;
    std::string commandLineArguments() override { return arguments_; }

private:
    std::string arguments_;
};

class Win32Text final : public TextServices {
public:
    explicit Win32Text(HINSTANCE resources) : resources_(resources) {}
    bool isLeadByte(unsigned char byte) override;
    std::string loadString(unsigned id) override;
    Outcome<std::string> formatMessage(const std::string& pattern,
                                       const std::vector<std::string>& arguments,
                                       std::size_t maxBytes) override;

private:
    HINSTANCE resources_;
};

class Win32MessageBoxes final : public MessageBoxes {
public:
    int show(WindowRef owner, const std::string& text, const std::string& title,
             std::uint32_t type) override;
};

class Win32Clock final : public Clock {
public:
    std::optional<LocalTime> now() override;
};

inline HWND toHwnd(WindowRef window) { return reinterpret_cast<HWND>(window); }
inline WindowRef toRef(HWND window) { return reinterpret_cast<WindowRef>(window); }

// Every adapter, and the Machine that refers to them.
class Win32Machine {
public:
    Win32Machine(HINSTANCE resources, std::string arguments);
    Win32Machine(const Win32Machine&) = delete;
    Win32Machine& operator=(const Win32Machine&) = delete;
    Machine& machine() { return machine_; }

private:
    Win32Registry registry_;
    Win32Spooler spooler_;
    Win32Files files_;
    Win32Profiles profiles_;
    Win32Processes processes_;
    Win32Mutexes mutexes_;
    Win32Desktop desktop_;
    Win32Services services_;
    Win32Platform platform_;
    Win32Text text_;
    Win32MessageBoxes boxes_;
    Win32Clock clock_;
    Machine machine_;
};

}  // namespace zrt::un::win32
