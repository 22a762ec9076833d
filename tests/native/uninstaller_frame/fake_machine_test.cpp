// The fake machine keeps the semantics the adapters have on Windows.
#include "tests/native/uninstaller_frame/frame_fixture.h"
#include "uninstaller/frame/interim_companion_services.h"

namespace zrt::un::testing {
namespace {

class FakeMachineTest : public FrameTest {};

TEST_F(FakeMachineTest, ProfilesFollowTheProfileFunctions) {
    fake.addFile("C:\\A.INI",
                 "; comment\r\n[Section]\r\n  Key = \"quoted\" \r\n;Hidden=1\r\nPlain line\r\n"
                 "Other='x'\r\n[section]\r\nKey=second section\r\n");
    Profiles& p = fake.machine().profiles;
    EXPECT_EQ(p.readString("c:\\a.ini", "SECTION", "key", "d", 260), "quoted");
    EXPECT_EQ(p.readString("C:\\A.INI", "Section", "Hidden", "d", 260), "d");
    EXPECT_EQ(p.readString("C:\\A.INI", "Section", "Key", "d", 4), "quo");
    EXPECT_EQ(p.readString("C:\\NONE.INI", "Section", "Key", "d", 260), "d");
    EXPECT_EQ(p.readSection("C:\\A.INI", "Section", 32767),
              (std::vector<std::string>{"Key=\"quoted\"", "Plain line", "Other='x'"}));
    EXPECT_EQ(p.readKeyNames("C:\\A.INI", "Section", 32767),
              (std::vector<std::string>{"Key", "Plain line", "Other"}));
    EXPECT_EQ(p.readKeyNames("C:\\A.INI", "Section", 10), (std::vector<std::string>{"Key"}));
    EXPECT_TRUE(p.writeString("C:\\A.INI", "New", "K", "V"));
    EXPECT_EQ(p.readString("C:\\A.INI", "new", "k", "", 260), "V");
    EXPECT_TRUE(p.writeString("C:\\A.INI", "Section", "Key", "changed"));
    EXPECT_EQ(p.readString("C:\\A.INI", "Section", "Key", "", 260), "changed");
}

TEST_F(FakeMachineTest, RegistryEnumeratesSubkeysSortedAndValuesInOrder) {
    Registry& r = fake.machine().registry;
    {
        auto key = r.createKey(RegistryRoot::LocalMachine, "SOFTWARE\\Vemar");
        ASSERT_TRUE(key.ok());
        r.createKey(RegistryRoot::LocalMachine, "SOFTWARE\\Vemar\\b");
        r.createKey(RegistryRoot::LocalMachine, "SOFTWARE\\Vemar\\A");
        r.setValue(key.value(), "Z", RegistryValue::string("z"));
        r.setValue(key.value(), "Y", RegistryValue::dword(7));
        EXPECT_EQ(fake.openHandles(), 1);  // the two created above closed at once
        EXPECT_EQ(r.enumSubKey(key.value(), 0).value(), "A");
        EXPECT_EQ(r.enumSubKey(key.value(), 1).value(), "b");
        EXPECT_EQ(r.enumSubKey(key.value(), 2).error(), kErrorNoMoreItems);
        EXPECT_EQ(r.enumValue(key.value(), 0).value().name, "Z");
        EXPECT_EQ(r.enumValue(key.value(), 1).value().name, "Y");
        EXPECT_EQ(r.deleteKey(key.value(), "A"), kErrorSuccess);
        EXPECT_EQ(r.deleteKey(key.value(), "A"), kErrorFileNotFound);
        fake.failCall("Registry.queryValue", kErrorAccessDenied);
        EXPECT_EQ(r.queryValue(key.value(), "Y").error(), kErrorAccessDenied);
    }
    EXPECT_EQ(r.openKey(RegistryRoot::LocalMachine, "SOFTWARE\\None", RegistryAccess::Read).error(),
              kErrorFileNotFound);
}

TEST_F(FakeMachineTest, FilesHaveAttributesLocksAndDeferredMoves) {
    Files& f = fake.machine().files;
    fake.addFile("C:\\DIR\\A.DLL", "MZ", kAttributeReadOnly);
    fake.addFile("C:\\DIR\\B.DLL", "MZ");
    fake.lockFile("C:\\DIR\\B.DLL");
    fake.setShortName("C:\\DIR\\B.DLL", "C:\\DIR\\B~1.DLL");
    EXPECT_EQ(f.deleteFile("C:\\DIR\\A.DLL"), kErrorAccessDenied);
    EXPECT_EQ(f.deleteFile("C:\\DIR\\B.DLL"), kErrorSharingViolation);
    EXPECT_EQ(f.deleteFile("C:\\DIR\\C.DLL"), kErrorFileNotFound);
    EXPECT_EQ(f.attributes("C:\\NONE\\C.DLL").error(), kErrorPathNotFound);
    EXPECT_EQ(f.shortPathName("c:\\dir\\b.dll").value(), "C:\\DIR\\B~1.DLL");
    EXPECT_EQ(f.moveFile("C:\\DIR\\B.DLL", "", kMoveDelayUntilReboot), kErrorSuccess);
    ASSERT_EQ(fake.pendingMoves().size(), 1u);
    EXPECT_EQ(f.removeDirectory("C:\\DIR"), kErrorDirNotEmpty);
    EXPECT_EQ(f.createDirectory("C:\\DIR"), kErrorAlreadyExists);
    EXPECT_EQ(f.createDirectory("C:\\X\\Y"), kErrorPathNotFound);
}

TEST_F(FakeMachineTest, MutexesLiveWhileAHandleDoes) {
    Mutexes& m = fake.machine().mutexes;
    {
        auto own = m.createMutex("Name", false);
        EXPECT_TRUE(m.openMutex("Name").ok());
        EXPECT_EQ(fake.openHandles(), 1);
    }
    EXPECT_EQ(m.openMutex("Name").error(), kErrorFileNotFound);
    EXPECT_EQ(m.openMutex("name").error(), kErrorFileNotFound);
}

TEST_F(FakeMachineTest, WindowsRecordMessagesAndBoxesFollowTheScript) {
    const WindowRef status = fake.addWindow("PSWC1WindowClass", "Status");
    Desktop& d = fake.machine().desktop;
    EXPECT_EQ(d.findWindow(std::string("pswc1windowclass"), std::nullopt), status);
    EXPECT_EQ(d.findWindow(std::nullopt, std::string("status")), kNoWindow);  // titles exact
    d.postMessage(status, 0x0010, 0, 0);
    ASSERT_EQ(fake.sentMessages().size(), 1u);
    EXPECT_EQ(fake.sentMessages()[0].message, 0x0010u);
    fake.scriptAnswer(kAnswerNo);
    EXPECT_EQ(fake.machine().boxes.show(kNoWindow, "t", "c", 0x34), kAnswerNo);
    EXPECT_EQ(fake.machine().boxes.show(kNoWindow, "t", "c", 0x34), kAnswerYes);
    EXPECT_EQ(fake.machine().boxes.show(kNoWindow, "t", "c", 0x30), kAnswerOk);
    EXPECT_EQ(fake.shownBoxes().size(), 3u);
}

TEST_F(FakeMachineTest, SpoolerListsFailAtTheStageChosen) {
    fake.addPrinter("Color 1", "Vemar ZRT7Q Color");
    fake.addConnection("\\\\SERVER", "Shared", "Vemar ZRT7Q Color");
    Spooler& s = fake.machine().spooler;
    EXPECT_EQ(s.enumPrinters(kEnumLocal).items.size(), 1u);
    EXPECT_EQ(s.enumPrinters(kEnumLocal | kEnumConnections).items.size(), 2u);
    EXPECT_EQ(s.enumPrinters(kEnumConnections).items[0].printerName, "\\\\SERVER\\Shared");
    const std::pair<const char*, ListStage> stages[] = {
        {"Spooler.enumPrinters.size", ListStage::Sizing},
        {"Spooler.enumPrinters.memory", ListStage::Allocating},
        {"Spooler.enumPrinters.read", ListStage::Reading}};
    for (const auto& [call, stage] : stages) {
        fake.clearFailures();
        fake.failCall(call, kErrorAccessDenied);
        const auto list = s.enumPrinters(kEnumLocal);
        EXPECT_EQ(list.error, kErrorAccessDenied) << call;
        EXPECT_EQ(list.failedAt, stage) << call;
        EXPECT_TRUE(list.items.empty()) << call;
    }
}

TEST_F(FakeMachineTest, SpoolerDriversPerEnvironmentAndVersion) {
    fake.addDriver("Vemar ZRT7Q Color", "Windows NT x86", 3).driverPath = "C:\\DRV\\ZRT7QDRV.DLL";
    fake.addDriver("Vemar ZRT7Q Color", "Windows NT x86", 2);
    fake.addDriver("Vemar ZRT7Q Color", "Windows 4.0", 0);
    fake.addFile("C:\\DRV\\ZRT7QDRV.DLL", "MZ");
    fake.addPrinter("Color 1", "Vemar ZRT7Q Color");
    Spooler& s = fake.machine().spooler;
    EXPECT_EQ(s.enumDrivers("").items.size(), 2u);  // the current environment of NT 5
    EXPECT_EQ(s.enumDrivers("Windows 4.0").items.size(), 1u);
    {
        auto printer = s.openPrinter("color 1", true);
        ASSERT_TRUE(printer.ok());
        EXPECT_EQ(s.printerDriver(printer.value(), "").value().version, 3u);
        EXPECT_EQ(s.deletePrinterDriver("", "Vemar ZRT7Q Color"), kErrorPrinterDriverInUse);
        EXPECT_EQ(s.deletePrinter(printer.value()), kErrorSuccess);
    }
    EXPECT_EQ(s.openPrinter("Color 1", false).error(), kErrorInvalidPrinterName);
    EXPECT_EQ(s.deletePrinterDriverEx("", "Vemar ZRT7Q Color",
                                      kDeleteUnusedFiles | kDeleteSpecificVersion, 3),
              kErrorSuccess);
    EXPECT_FALSE(fake.fileExists("C:\\DRV\\ZRT7QDRV.DLL"));
    EXPECT_EQ(s.enumDrivers("").items.size(), 1u);
    EXPECT_EQ(s.deletePrinterDriver("", "Other"), kErrorUnknownPrinterDriver);
    fake.defaultPrinterQueryAvailable = false;
    EXPECT_EQ(s.defaultPrinter().error(), kErrorProcNotFound);
}

TEST_F(FakeMachineTest, SpoolerDependentsAreTheActiveOnes) {
    fake.services["Fax"] = {ServiceState::Running, {"Spooler"}};
    fake.services["Other"] = {ServiceState::Stopped, {"Spooler"}};
    fake.services["Paused"] = {ServiceState::Paused, {"SPOOLER"}};
    fake.services["Loose"] = {ServiceState::Running, {}};
    InterimCompanionServices companions(fake.machine().services);
    EXPECT_EQ(companions.recordSpoolerDependents(), std::vector<std::string>{"Fax"});
    EXPECT_EQ(companions.controlOrvixSuiteService(ServiceAction::Stop), 0);
}

}  // namespace
}  // namespace zrt::un::testing
