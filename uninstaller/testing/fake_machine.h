// The fake machine: every system interface of the uninstaller in memory, for native tests.
// Platform class and 64-bit flag are settings; every call can be made to fail; handles are
// counted so that a test can check that everything opened was closed.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "uninstaller/frame/system/machine.h"

namespace zrt::un::testing {

enum class PlatformClass { Win95, Win98, WinMe, Nt4, Win2000, WinXp, Win2003, Nt6 };
enum class CodePage { Japanese932, SingleByte };

struct ShownBox {
    WindowRef owner;
    std::string text, title;
    std::uint32_t type;
};

struct SentMessage {
    WindowRef window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

struct FakeWindow {
    WindowRef id = kNoWindow;
    std::string className, title;
    WindowRef owner = kNoWindow, parent = kNoWindow;
};

struct FakeService {
    ServiceState state = ServiceState::Stopped;
    std::vector<std::string> dependsOn;
};

struct PendingMove {
    std::string from, to;
};

struct FakePrinter {
    PrinterInfo2 info;
    bool connection = false;
};

class FakeMachine : private Registry, private Spooler, private Files, private Profiles, private Processes,
                    private Mutexes, private Desktop, private Services, private Platform,
                    private TextServices, private MessageBoxes, private Clock,
                    private HandleCloser {
public:
    FakeMachine();
    ~FakeMachine() override;
    FakeMachine(const FakeMachine&) = delete;
    FakeMachine& operator=(const FakeMachine&) = delete;

    Machine& machine() { return machine_; }

    // --- settings -------------------------------------------------------------------------
    PlatformClass platformClass = PlatformClass::WinXp;
    bool windows64 = false;                // a 32-bit process on 64-bit Windows
    bool wow64QueryAvailable = true;       // the system offers the 64-bit query
    bool versionUnavailable = false;
    CodePage codePage = CodePage::Japanese932;
    std::vector<TokenGroup> groups;        // the token's groups; Administrators by default
    std::string windowsDir = "C:\\WINDOWS";
    std::string systemDir = "C:\\WINDOWS\\system32";
    std::string programPath = "C:\\PROGRAM FILES\\VEMAR\\ZRT7QUN.EXE";
    std::string commandArguments;       // the command line without the program name
    std::optional<LocalTime> time = LocalTime{2026, 12, 11, 9, 5, 7};

    // Makes every later call of that name fail with `error`: "Interface.method", for example
    // "Registry.openKey", "Files.copyFile", "TextFileWriter.write", "MessageBoxes.show".
    void failCall(const std::string& call, WinError error) { failures_[call] = error; }
    void clearFailures() { failures_.clear(); }
    int openHandles() const { return openHandles_; }

    // --- registry -------------------------------------------------------------------------
    void setRegistryValue(RegistryRoot root, const std::string& path, const std::string& name,
                          const RegistryValue& value);
    std::optional<RegistryValue> registryValue(RegistryRoot root, const std::string& path,
                                               const std::string& name) const;
    bool registryKeyExists(RegistryRoot root, const std::string& path) const;

    // --- spooler: printers and connections, drivers per environment and version, monitors --
    // A list call fails at a stage with "Spooler.enumPrinters.size", ".memory" or ".read".
    std::vector<FakePrinter> printers;
    std::vector<DriverInfo3> drivers;
    std::vector<MonitorInfo2> monitors = {{"Local Port", "", "localspl.dll"}};
    std::string defaultPrinterName;
    bool defaultPrinterQueryAvailable = true;
    std::string driverFolder = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
    PrinterInfo2& addPrinter(const std::string& name, const std::string& driver,
                             const std::string& port = "LPT1:");
    PrinterInfo2& addConnection(const std::string& server, const std::string& name,
                                const std::string& driver);
    DriverInfo3& addDriver(const std::string& name, const std::string& environment,
                           std::uint32_t version);
    bool printerExists(const std::string& name) const;
    std::string currentEnvironment() const;

    // --- files and INI files --------------------------------------------------------------
    void addFile(const std::string& path, const std::string& content,
                 std::uint32_t attributes = kAttributeArchive);
    void addFolder(const std::string& path);
    void lockFile(const std::string& path) { locked_.insert(key(path)); }
    void setVersionValue(const std::string& path, const std::string& subBlock,
                         const std::string& value);
    void setShortName(const std::string& path, const std::string& shortPath);
    bool fileExists(const std::string& path) const;
    bool folderExists(const std::string& path) const;
    std::string fileContent(const std::string& path) const;
    std::uint32_t fileAttributes(const std::string& path) const;
    const std::vector<PendingMove>& pendingMoves() const { return pendingMoves_; }

    // --- processes, mutexes, windows, services --------------------------------------------
    std::vector<std::string> processModules;
    bool processStatusLibraryMissing = false;
    // A mutex that another program holds; the uninstaller's own ones live while a handle does.
    void addMutex(const std::string& name) { mutexNames_.insert(name); }
    bool mutexExists(const std::string& name) const {
        return mutexNames_.count(name) != 0 || mutexRefs_.count(name) != 0;
    }
    WindowRef addWindow(const std::string& className, const std::string& title,
                        WindowRef owner = kNoWindow, WindowRef parent = kNoWindow);
    WindowRef foreground = kNoWindow;
    const std::vector<SentMessage>& sentMessages() const { return sent_; }
    std::map<std::string, FakeService> services;

    // --- texts and the user ---------------------------------------------------------------
    std::map<unsigned, std::string> strings;
    void scriptAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<ShownBox>& shownBoxes() const { return shown_; }

private:
    struct RegistryKeyNode {
        std::string name;  // as created
        std::vector<RegistryEntry> values;
    };
    struct FakeFile {
        std::string path;
        std::string content;
        std::uint32_t attributes = kAttributeArchive;
        std::map<std::string, std::string> versionValues;
        std::string shortPath;
    };
    struct OpenHandle {
        enum class Kind { Key, Mutex, Printer } kind;
        std::string name;
    };
    class Writer;

    static std::string key(const std::string& path);
    static std::string parentOf(const std::string& upperPath);
    static std::string registryPath(RegistryRoot root, const std::string& path);
    // Creates the key and its parents as named; its upper-case full path.
    std::string ensureKey(RegistryRoot root, const std::string& path);
    WinError failure(const char* call) const;
    OwnedHandle open(OpenHandle::Kind kind, const std::string& name);
    const std::string* keyOf(const OwnedHandle& handle) const;
    std::vector<std::string> subKeysOf(const std::string& path) const;
    bool versionIsNt() const;

    // Registry
    Outcome<OwnedHandle> openKey(RegistryRoot root, const std::string& path,
                                 RegistryAccess access) override;
    Outcome<OwnedHandle> createKey(RegistryRoot root, const std::string& path) override;
    Outcome<RegistryValue> queryValue(const OwnedHandle& key, const std::string& name) override;
    WinError setValue(const OwnedHandle& key, const std::string& name,
                      const RegistryValue& value) override;
    WinError deleteValue(const OwnedHandle& key, const std::string& name) override;
    Outcome<std::string> enumSubKey(const OwnedHandle& key, std::uint32_t index) override;
    Outcome<RegistryEntry> enumValue(const OwnedHandle& key, std::uint32_t index) override;
    WinError deleteKey(const OwnedHandle& parent, const std::string& subKey) override;
    // Spooler
    SpoolerList<PrinterInfo2> enumPrinters(std::uint32_t flags) override;
    SpoolerList<DriverInfo3> enumDrivers(const std::string& environment) override;
    SpoolerList<MonitorInfo2> enumMonitors() override;
    Outcome<OwnedHandle> openPrinter(const std::string& name, bool fullAccess) override;
    Outcome<PrinterInfo2> printerInfo(const OwnedHandle& printer) override;
    Outcome<std::uint32_t> printerAttributes(const OwnedHandle& printer) override;
    WinError setPrinterAttributes(const OwnedHandle& printer, std::uint32_t value) override;
    Outcome<DriverInfo3> printerDriver(const OwnedHandle& printer,
                                       const std::string& environment) override;
    WinError deletePrinter(const OwnedHandle& printer) override;
    WinError deletePrinterConnection(const std::string& name) override;
    WinError deletePrinterDriver(const std::string& environment,
                                 const std::string& driverName) override;
    WinError deletePrinterDriverEx(const std::string& environment, const std::string& driverName,
                                   std::uint32_t deleteFlags, std::uint32_t version) override;
    WinError deleteMonitor(const std::string& environment, const std::string& name) override;
    Outcome<std::string> driverDirectory(const std::string& environment) override;
    Outcome<std::string> defaultPrinter() override;
    template <class T>
    bool listFails(const char* call, SpoolerList<T>& out) const;
    FakePrinter* printerOf(const OwnedHandle& handle);
    std::string environmentOf(const std::string& environment) const;
    bool driverInUse(const std::string& name) const;
    // Files
    Outcome<std::uint32_t> attributes(const std::string& path) override;
    WinError setAttributes(const std::string& path, std::uint32_t attributes) override;
    WinError copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    WinError deleteFile(const std::string& path) override;
    WinError createDirectory(const std::string& path) override;
    WinError removeDirectory(const std::string& path) override;
    WinError moveFile(const std::string& from, const std::string& to, std::uint32_t flags) override;
    Outcome<std::string> shortPathName(const std::string& path) override;
    Outcome<std::string> versionValue(const std::string& path,
                                      const std::string& subBlock) override;
    Outcome<std::unique_ptr<TextFileWriter>> createTextFile(const std::string& path) override;
    // Profiles
    std::string readString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           std::size_t bufferSize) override;
    std::vector<std::string> readSection(const std::string& file, const std::string& section,
                                         std::size_t bufferSize) override;
    std::vector<std::string> readKeyNames(const std::string& file, const std::string& section,
                                          std::size_t bufferSize) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Processes, mutexes
    Outcome<std::vector<std::string>> mainModuleNames(std::size_t maxProcesses) override;
    Outcome<OwnedHandle> openMutex(const std::string& name) override;
    Outcome<OwnedHandle> createMutex(const std::string& name, bool initialOwner) override;
    // Desktop
    WindowRef findWindow(const std::optional<std::string>& className,
                         const std::optional<std::string>& title) override;
    std::intptr_t sendMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    bool postMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    WindowRef ownerOrParent(WindowRef window) override;
    WindowRef foregroundWindow() override;
    // Services
    Outcome<std::vector<ServiceEntry>> activeDependents(const std::string& name) override;
    Outcome<ServiceState> queryState(const std::string& name) override;
    WinError start(const std::string& name) override;
    WinError stop(const std::string& name) override;
    WinError remove(const std::string& name) override;
    // Platform
    Outcome<OsVersion> osVersion() override;
    Outcome<bool> isWow64Process() override;
    Outcome<std::vector<TokenGroup>> tokenGroups() override;
    std::string windowsDirectory() override { return windowsDir; }
    std::string systemDirectory() override { return systemDir; }
    std::string modulePath() override { return programPath; }
    std::string commandLineArguments() override { return commandArguments; }
    // Texts, boxes, clock
    bool isLeadByte(unsigned char byte) override;
    std::string loadString(unsigned id) override;
    Outcome<std::string> formatMessage(const std::string& pattern,
                                       const std::vector<std::string>& arguments,
                                       std::size_t maxBytes) override;
    int show(WindowRef owner, const std::string& text, const std::string& title,
             std::uint32_t type) override;
    std::optional<LocalTime> now() override {
        return failure("Clock.now") != kErrorSuccess ? std::nullopt : time;
    }
    // Handles
    void closeHandle(RawHandle handle) noexcept override;

    Machine machine_;
    std::map<std::string, WinError> failures_;
    int openHandles_ = 0;
    RawHandle nextHandle_ = 0x100;
    std::map<RawHandle, OpenHandle> handles_;
    std::map<std::string, RegistryKeyNode> keys_;  // by upper-case full path
    std::map<std::string, FakeFile> files_;        // by upper-case path
    std::set<std::string> folders_;                // upper-case paths
    std::set<std::string> locked_;
    std::vector<PendingMove> pendingMoves_;
    std::set<std::string> mutexNames_;
    std::map<std::string, int> mutexRefs_;
    std::vector<FakeWindow> windows_;
    std::vector<SentMessage> sent_;
    std::deque<int> answers_;
    std::vector<ShownBox> shown_;
};

}  // namespace zrt::un::testing
