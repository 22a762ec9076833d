// The uninstaller's Win32 adapters and framework classes against Wine's real system.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "tests/support/rc_strings.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/system_queries.h"
#include "uninstaller/frame/win32/dialog.h"
#include "uninstaller/frame/win32/list_view.h"
#include "uninstaller/frame/win32/progress_bar.h"
#include "uninstaller/frame/win32/text_file.h"
#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {
namespace {

constexpr const char* kTestKey = "Software\\ZRT7Q Frame Test";

std::string codePage932(const std::u16string& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int size = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return out;
}

std::string tempFolder(const char* name) {
    char base[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

class AdaptersTest : public ::testing::Test {
protected:
    AdaptersTest() : system(GetModuleHandleA(nullptr), "/S /A"), m(system.machine()) {}
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kTestKey) + "\\Sub B").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kTestKey) + "\\Sub A").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    Win32Machine system;
    Machine& m;
};

TEST_F(AdaptersTest, RegistryKeysValuesAndEnumeration) {
    EXPECT_EQ(m.registry.openKey(RegistryRoot::CurrentUser, kTestKey, RegistryAccess::Read).error(),
              kErrorFileNotFound);
    auto key = m.registry.createKey(RegistryRoot::CurrentUser, kTestKey);
    ASSERT_TRUE(key.ok()) << key.error();
    EXPECT_EQ(m.registry.setValue(key.value(), "Number", RegistryValue::dword(0xdeadbeef)), 0u);
    EXPECT_EQ(m.registry.setValue(key.value(), "Text", RegistryValue::string("abc")), 0u);
    std::uint32_t number = 0;
    ASSERT_TRUE(m.registry.queryValue(key.value(), "Number").value().asDword(number));
    EXPECT_EQ(number, 0xdeadbeefu);
    EXPECT_EQ(m.registry.queryValue(key.value(), "Text").value().data, std::string("abc\0", 4));
    EXPECT_EQ(m.registry.queryValue(key.value(), "Missing").error(), kErrorFileNotFound);
    auto b = m.registry.createKey(RegistryRoot::CurrentUser, std::string(kTestKey) + "\\Sub B");
    auto a = m.registry.createKey(RegistryRoot::CurrentUser, std::string(kTestKey) + "\\Sub A");
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_EQ(m.registry.enumSubKey(key.value(), 0).value(), "Sub A");
    EXPECT_EQ(m.registry.enumSubKey(key.value(), 1).value(), "Sub B");
    EXPECT_EQ(m.registry.enumSubKey(key.value(), 2).error(), kErrorNoMoreItems);
    EXPECT_EQ(m.registry.enumValue(key.value(), 0).value().name, "Number");
    EXPECT_EQ(m.registry.enumValue(key.value(), 2).error(), kErrorNoMoreItems);
    EXPECT_EQ(m.registry.deleteValue(key.value(), "Text"), 0u);
    EXPECT_EQ(m.registry.deleteKey(key.value(), "Sub A"), 0u);
    EXPECT_EQ(m.registry.deleteKey(key.value(), "Sub A"), kErrorFileNotFound);
}

TEST_F(AdaptersTest, FilesTextFilesAndProfiles) {
    const std::string folder = tempFolder("zrtfiles");
    const std::string ini = folder + "test.ini";
    {
        auto file = m.files.createTextFile(ini);
        ASSERT_TRUE(file.ok()) << file.error();
        file.value()->write("; comment\r\n[Profiles]\r\nName = \"quoted value\" \r\nLevel=2\r\n"
                            "[uninstall drivers]\r\nOne;Two\r\nThree\r\n");
        file.value()->close();
    }
    EXPECT_EQ(m.profiles.readString(ini, "profiles", "NAME", "x", 260), "quoted value");
    EXPECT_EQ(m.profiles.readString(ini, "Profiles", "Missing", "item not found!!", 2048),
              "item not found!!");
    EXPECT_EQ(m.profiles.readString(ini, "Profiles", "Name", "", 5), "quot");
    EXPECT_EQ(m.profiles.readSection(ini, "Uninstall Drivers", 32767),
              (std::vector<std::string>{"One;Two", "Three"}));
    EXPECT_EQ(m.profiles.readKeyNames(ini, "Profiles", 32767),
              (std::vector<std::string>{"Name", "Level"}));
    EXPECT_TRUE(m.profiles.readKeyNames(ini, "None", 32767).empty());

    const std::string copy = folder + "copy.ini";
    EXPECT_EQ(m.files.setAttributes(ini, kAttributeReadOnly), 0u);
    EXPECT_EQ(m.files.copyFile(ini, copy, false), 0u);
    EXPECT_NE(m.files.attributes(copy).value() & kAttributeReadOnly, 0u);
    EXPECT_EQ(m.files.setAttributes(copy, kAttributeNormal), 0u);
    EXPECT_EQ(m.files.attributes(copy).value() & kAttributeReadOnly, 0u);
    EXPECT_EQ(m.files.createDirectory(folder), static_cast<WinError>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(m.files.removeDirectory(folder), static_cast<WinError>(ERROR_DIR_NOT_EMPTY));
    EXPECT_EQ(m.files.deleteFile(copy), 0u);
    EXPECT_EQ(m.files.setAttributes(ini, kAttributeNormal), 0u);
    EXPECT_EQ(m.files.deleteFile(ini), 0u);
    EXPECT_EQ(m.files.attributes(ini).error(), kErrorFileNotFound);
    EXPECT_EQ(m.files.createTextFile(folder + "none\\x.log").error(), kErrorPathNotFound);
    EXPECT_EQ(m.files.removeDirectory(folder), 0u);
}

TEST_F(AdaptersTest, VersionResources) {
    const std::string dll = m.platform.systemDirectory() + "\\kernel32.dll";
    std::string version = "sentinel";
    EXPECT_TRUE(fileProductVersion(m.files, dll, version));
    EXPECT_NE(version, "sentinel");
    EXPECT_FALSE(version.empty());
    const std::string folder = tempFolder("zrtver");
    const std::string plain = folder + "plain.txt";
    m.files.createTextFile(plain).value()->write("x");
    EXPECT_EQ(m.files.versionValue(plain, "\\VarFileInfo\\Translation").error(),
              kErrorResourceTypeNotFound);
    EXPECT_FALSE(fileProductVersion(m.files, plain, version));
    m.files.deleteFile(plain);
    m.files.removeDirectory(folder);
}

TEST_F(AdaptersTest, PlatformProcessesAndMutexes) {
    EXPECT_EQ(osCode(m.platform), kOsNt6);
    EXPECT_FALSE(m.platform.isWow64Process().value());
    EXPECT_TRUE(isAdministrator(m.platform));
    EXPECT_EQ(m.platform.commandLineArguments(), "/S /A");
    EXPECT_EQ(m.platform.windowsDirectory(), "C:\\windows");
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_EQ(m.platform.modulePath(), self);
    const std::string base = std::string(self).substr(std::string(self).rfind('\\') + 1);
    EXPECT_TRUE(isProcessRunning(m, base)) << base;
    EXPECT_FALSE(isProcessRunning(m, "no-such-program.exe"));

    EXPECT_EQ(m.mutexes.openMutex("ZRT7Q frame test mutex").error(), kErrorFileNotFound);
    auto created = m.mutexes.createMutex("ZRT7Q frame test mutex", false);
    ASSERT_TRUE(created.ok());
    EXPECT_TRUE(m.mutexes.openMutex("ZRT7Q frame test mutex").ok());
    created.value().reset();
    EXPECT_EQ(m.mutexes.openMutex("ZRT7Q frame test mutex").error(), kErrorFileNotFound);
}

TEST_F(AdaptersTest, TextsInCodePage932AndTheFormatter) {
    EXPECT_TRUE(m.text.isLeadByte(0x83));
    EXPECT_FALSE(m.text.isLeadByte('A'));
    const auto strings = zrt::testing::readRcStrings(
        zrt::testing::rcPath("resources/uninstaller/ZRT7QUN.rc"));
    for (const auto& [id, text] : strings) {
        EXPECT_EQ(m.text.loadString(id), codePage932(text)) << "string " << id;
    }
    EXPECT_EQ(m.text.loadString(4242), "");
    EXPECT_EQ(m.text.formatMessage("'%1' and '%2'\nnext", {"a", "b"}, 1024).value(),
              "'a' and 'b'\r\nnext");
    EXPECT_FALSE(m.text.formatMessage("%1 long", {std::string(2000, 'x')}, 1024).ok());
    Session session;
    MessageCatalog catalog(m, session);
    EXPECT_EQ(catalog.format(12, {"\x83\x76\x83\x8a\x83\x93\x83\x5e"}),
              codePage932(u"プリンタ '") + "\x83\x76\x83\x8a\x83\x93\x83\x5e" +
                  codePage932(u"' を削除してもよろしいですか?"));
}

TEST_F(AdaptersTest, ServicesAndTheClock) {
    EXPECT_EQ(m.services.queryState("No Such ZRT Service").error(), kErrorServiceDoesNotExist);
    const auto spooler = m.services.queryState("Spooler");
    ASSERT_TRUE(spooler.ok()) << spooler.error();
    const auto dependents = m.services.activeDependents("Spooler");
    EXPECT_TRUE(dependents.ok()) << dependents.error();
    EXPECT_EQ(m.services.activeDependents("No Such ZRT Service").error(),
              kErrorServiceDoesNotExist);
    const auto now = m.clock.now();
    ASSERT_TRUE(now.has_value());
    EXPECT_GE(now->year, 2000);
}

TEST_F(AdaptersTest, SpoolerListsAndErrors) {
    const auto printers = m.spooler.enumPrinters(kEnumLocal | kEnumConnections);
    EXPECT_TRUE(printers.ok()) << printers.error;
    const auto monitors = m.spooler.enumMonitors();
    ASSERT_TRUE(monitors.ok()) << monitors.error;
    bool localPort = false;
    for (const MonitorInfo2& monitor : monitors.items) {
        localPort = localPort || monitor.name == "Local Port";
    }
    EXPECT_TRUE(localPort);
    EXPECT_TRUE(m.spooler.enumDrivers("").ok());
    EXPECT_TRUE(m.spooler.enumDrivers("Windows NT x86").ok());
    const auto folder = m.spooler.driverDirectory("");
    ASSERT_TRUE(folder.ok()) << folder.error();
    EXPECT_NE(folder.value().find("spool\\drivers"), std::string::npos) << folder.value();
    EXPECT_EQ(m.spooler.openPrinter("No Such ZRT Printer", true).error(), kErrorInvalidPrinterName);
    EXPECT_NE(m.spooler.deletePrinterDriver("", "No Such ZRT Driver"), kErrorSuccess);
    EXPECT_NE(m.spooler.deleteMonitor("", "No Such ZRT Monitor"), kErrorSuccess);
    const auto fallback = m.spooler.defaultPrinter();
    EXPECT_TRUE(fallback.ok() || fallback.error() == kErrorFileNotFound) << fallback.error();
}

// Installs a test driver whose files are copies of a system library.
bool installTestDriver(const std::string& driverName) {
    const std::string folder = tempFolder("zrtdrv");
    const std::string source = folder + "zrtdrv.dll";
    char system[MAX_PATH + 1] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    if (!CopyFileA((std::string(system) + "\\version.dll").c_str(), source.c_str(), FALSE)) {
        return false;
    }
    std::string name = driverName;
    std::string file = source;
    DRIVER_INFO_3A info{};
    info.cVersion = 3;
    info.pName = name.data();
    info.pDriverPath = file.data();
    info.pDataFile = file.data();
    info.pConfigFile = file.data();
    const BOOL added = AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info),
                                           APD_COPY_NEW_FILES);
    DeleteFileA(source.c_str());
    RemoveDirectoryA(folder.c_str());
    return added != FALSE;
}

TEST_F(AdaptersTest, SpoolerPrinterOfAnInstalledDriver) {
    ASSERT_TRUE(installTestDriver("ZRT7Q Frame Test Driver")) << GetLastError();
    const auto drivers = m.spooler.enumDrivers("");
    ASSERT_TRUE(drivers.ok());
    DriverInfo3 driver;
    for (const DriverInfo3& d : drivers.items) {
        if (d.name == "ZRT7Q Frame Test Driver") {
            driver = d;
        }
    }
    ASSERT_EQ(driver.name, "ZRT7Q Frame Test Driver");
    EXPECT_EQ(driver.version, 3u);
    EXPECT_NE(driver.driverPath.find("zrtdrv.dll"), std::string::npos) << driver.driverPath;
    std::string name = "ZRT7Q Frame Test Printer";
    std::string port = "FILE:";
    std::string driverName = driver.name;
    std::string processor = "WinPrint";
    PRINTER_INFO_2A info{};
    info.pPrinterName = name.data();
    info.pPortName = port.data();
    info.pDriverName = driverName.data();
    info.pPrintProcessor = processor.data();
    std::string dataType = "RAW";
    info.pDatatype = dataType.data();
    HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    ASSERT_NE(added, nullptr) << GetLastError();
    ClosePrinter(added);
    {
        auto printer = m.spooler.openPrinter(name, true);
        ASSERT_TRUE(printer.ok()) << printer.error();
        const auto read = m.spooler.printerInfo(printer.value());
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.value().printerName, name);
        EXPECT_EQ(read.value().portName, port);
        EXPECT_EQ(read.value().driverName, driver.name);
        const auto used = m.spooler.printerDriver(printer.value(), "");
        ASSERT_TRUE(used.ok()) << used.error();
        EXPECT_EQ(used.value().name, driver.name);
        EXPECT_EQ(used.value().dependentFiles, driver.dependentFiles);
        EXPECT_TRUE(m.spooler.printerAttributes(printer.value()).ok());
        bool listed = false;
        for (const PrinterInfo2& p : m.spooler.enumPrinters(kEnumLocal).items) {
            listed = listed || p.printerName == name;
        }
        EXPECT_TRUE(listed);
        EXPECT_EQ(m.spooler.deletePrinter(printer.value()), kErrorSuccess);
    }
    EXPECT_EQ(m.spooler.openPrinter(name, false).error(), kErrorInvalidPrinterName);
    EXPECT_EQ(m.spooler.deletePrinterDriver("", driver.name), kErrorSuccess);
}

class CommandDialog final : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<int> commands;
    int destroyed = 0;

private:
    bool onInitDialog() override {
        list.attach(item(1000));
        list.insertColumn(0, "name", 100);
        list.insertItem(0, "one", 11);
        list.insertItem(1, "two", 22);
        return true;
    }
    bool onCommand(int id, int notification) override {
        commands.push_back(id);
        if (id == 1002) {
            list.selectAll();
            return true;
        }
        return Dialog::onCommand(id, notification);
    }
    void onDestroy() override { ++destroyed; }

public:
    ListView list;
};

TEST(DialogTest, HiddenDialogTakesCommandsAndReportsItsEnd) {
    CommandDialog dialog(GetModuleHandleA(nullptr), 102);
    ASSERT_TRUE(dialog.createModeless(nullptr));
    EXPECT_FALSE(IsWindowVisible(dialog.hwnd()));
    EXPECT_EQ(dialog.list.itemCount(), 2);
    EXPECT_EQ(dialog.list.selectedCount(), 0);
    dialog.sendCommand(1002);
    EXPECT_EQ(dialog.list.selectedCount(), 2);
    EXPECT_EQ(dialog.list.itemData(1), 22);
    dialog.sendCommand(1003);
    EXPECT_EQ(dialog.commands, (std::vector<int>{1002, 1003}));
    Win32Desktop desktop;
    const std::string title = codePage932(u"プリンタの削除");
    EXPECT_EQ(desktop.findWindow(std::string("#32770"), title), toRef(dialog.hwnd()));
    EXPECT_EQ(desktop.ownerOrParent(toRef(dialog.hwnd())), kNoWindow);
    desktop.sendMessage(toRef(dialog.hwnd()), WM_COMMAND, 1005, 0);
    EXPECT_EQ(dialog.commands.back(), 1005);
    dialog.close(IDCANCEL);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_EQ(dialog.destroyed, 1);
}

TEST(ProgressBarTest, KeepsRangeAndPosition) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    HWND window = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_POPUP, 0, 0, 200, 20, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ProgressBar bar;
    bar.attach(window);
    bar.setRange(0, 100);
    bar.setPosition(25);
    EXPECT_EQ(bar.setPosition(60), 25);
    EXPECT_EQ(bar.position(), 60);
    DestroyWindow(window);
}

TEST(TextFileTest, WritesBytesAsGivenAndTruncates) {
    const std::string path = tempFolder("zrttext") + "t.log";
    for (const char* content : {"first run, longer\r\n", "second\r\n"}) {
        auto file = TextFile::create(path);
        ASSERT_TRUE(file.ok()) << file.error();
        EXPECT_EQ(file.value()->write(content), 0u);
        EXPECT_EQ(file.value()->flush(), 0u);
    }
    HANDLE read = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[64] = {};
    DWORD got = 0;
    ReadFile(read, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(read);
    EXPECT_EQ(std::string(buffer, got), "second\r\n");
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.substr(0, path.rfind('\\')).c_str());
}

}  // namespace
}  // namespace zrt::un::win32
