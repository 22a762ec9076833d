// ZRT7QSMK.DLL stand-in, loaded by name like the status window and the launcher load it.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "statuswindow/status_monitor_api.h"
#include "testbed/status_monitor/delivery.h"
#include "testbed/status_monitor/scenario.h"
#include "wine_test_support.h"

namespace zrt::testbed::wine {
namespace {

using namespace zrt::monitor;

template <typename Fn>
Fn entry(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

HANDLE sentinelHandle() { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0xdeadbeef)); }

struct Api {
    explicit Api(HMODULE m)
        : openPrinter(entry<OpenPrinterFn>(m, exports::kOpenPrinter)),
          closePrinter(entry<ClosePrinterFn>(m, exports::kClosePrinter)),
          getPrinterStatus(entry<GetPrinterStatusFn>(m, exports::kGetPrinterStatus)),
          jobRequest(entry<JobRequestFn>(m, exports::kJobRequest)),
          deviceRequest(entry<DeviceRequestFn>(m, exports::kDeviceRequest)),
          changePrinterName(entry<ChangePrinterNameFn>(m, exports::kChangePrinterName)),
          startPolling(entry<StartPollingFn>(m, exports::kStartPolling)),
          stopPolling(entry<StopPollingFn>(m, exports::kStopPolling)),
          openPrinter2(entry<OpenPrinter2Fn>(m, exports::kOpenPrinter2)),
          invokePSW(entry<InvokePSWFn>(m, exports::kInvokePSW)),
          closePrinter2(entry<ClosePrinter2Fn>(m, exports::kClosePrinter2)) {}
    OpenPrinterFn openPrinter;
    ClosePrinterFn closePrinter;
    GetPrinterStatusFn getPrinterStatus;
    JobRequestFn jobRequest;
    DeviceRequestFn deviceRequest;
    ChangePrinterNameFn changePrinterName;
    StartPollingFn startPolling;
    StopPollingFn stopPolling;
    OpenPrinter2Fn openPrinter2;
    InvokePSWFn invokePSW;
    ClosePrinter2Fn closePrinter2;
};

std::uint32_t idOf(HANDLE handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

class StandinTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = LoadLibraryW(kLibraryFileName);
        ASSERT_NE(library_, nullptr) << "ZRT7QSMK.DLL not found beside the test, error " << GetLastError();
        api_.emplace(library_);
        window_ = std::make_unique<RecordingWindow>(L"ZrtSmkTestWindow", L"test");
        ASSERT_NE(window_->hwnd(), nullptr) << "CreateWindowExW error " << GetLastError();
    }
    void TearDown() override {
        window_.reset();
        if (library_ != nullptr) FreeLibrary(library_);
    }

    // Lines of the call log that start with prefix.
    std::vector<std::string> logLines(const std::string& prefix = "") const {
        std::vector<std::string> out;
        for (const std::string& line : readLines(logPath_)) {
            if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
        }
        return out;
    }

    HANDLE open(const wchar_t* printer = L"Printer A") {
        HANDLE handle = sentinelHandle();
        EXPECT_TRUE(api_->openPrinter(window_->hwnd(), printer, L"LPT1:", &handle));
        return handle;
    }

    TempFolder folder_;
    std::wstring logPath_ = folder_.file(L"calls.log");
    ScopedEnv log_{L"ZRT7QSMK_LOG", logPath_.c_str()};
    ScopedEnv noScenario_{L"ZRT7QSMK_SCENARIO", nullptr};
    ScopedEnv noConfig_{L"ZRT7QSMK_CONFIG", nullptr};
    HMODULE library_ = nullptr;
    std::optional<Api> api_;
    std::unique_ptr<RecordingWindow> window_;
};

TEST_F(StandinTest, ExportsEveryNameOfTheInterface) {
    for (const char* name : exports::kAllNames) {
        EXPECT_NE(GetProcAddress(library_, name), nullptr) << name;
    }
}

const char kScenario[] =
    "# deliveries of every kind\n"
    "at 0ms status job=0x8 total=5 current=1 document=\"報告.txt\" computer=\"\\\\PC1\"\n"
    "at 30ms status current=2\n"
    "at 60ms connection code=2\n"
    "at 90ms message show mode=1\n"
    "at 120ms rename \"新しい名前\"\n"
    "at 150ms quit-request\n";

TEST_F(StandinTest, PlaysTheScenarioToTheWindowInOrder) {
    const std::wstring scenarioPath = folder_.file(L"test.scn");
    ASSERT_TRUE(writeUtf8File(scenarioPath, kScenario));
    ScopedEnv scenario(L"ZRT7QSMK_SCENARIO", scenarioPath.c_str());
    const ScenarioParse parsed = parseScenario(kScenario);
    ASSERT_TRUE(parsed.ok());

    const HANDLE handle = open();
    ASSERT_NE(handle, nullptr);
    const auto& got = window_->received();
    ASSERT_TRUE(pumpUntil([&] { return got.size() >= 6; }, 10000)) << "received " << got.size();

    ASSERT_EQ(got.size(), parsed.steps.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const auto expected = deliveryOf(parsed.steps[i].action);
        if (!expected) {  // the posted show request
            EXPECT_EQ(got[i].message, messages::kShow) << "step " << i;
            EXPECT_EQ(got[i].wParam, 1U) << "step " << i;
            continue;
        }
        EXPECT_EQ(got[i].message, static_cast<UINT>(WM_COPYDATA)) << "step " << i;
        EXPECT_EQ(got[i].kind, expected->kind) << "step " << i;
        EXPECT_EQ(got[i].wParam, expected->wParam) << "step " << i;
        EXPECT_EQ(got[i].data, expected->data) << "step " << i;
    }

    // The player logs a delivery once SendMessageTimeout has returned: wait for the last line.
    ASSERT_TRUE(pumpUntil([&] { return logLines("delivery ").size() >= 6; }, 5000));

    // A status query re-sends the current record: the connection record of step 3.
    EXPECT_TRUE(api_->getPrinterStatus(handle, 1));
    ASSERT_TRUE(pumpUntil([&] { return got.size() >= 7; }, 5000));
    EXPECT_EQ(got[6].kind, 2U);
    EXPECT_EQ(got[6].data, got[2].data);
    EXPECT_TRUE(api_->closePrinter(handle));

    const std::string h = "handle=" + std::to_string(idOf(handle));
    const struct { const char* starts; std::string contains; } expectedLog[] = {
        {"SmPsw_OpenPrinter window=0x", "printer=\"Printer A\" port=\"LPT1:\" -> 1 " + h},
        {"scenario ", h + " file=\"" + utf8(scenarioPath) + "\" steps=6"},
        {"delivery ", h + " line=2 at=0 kind=1 wParam=0 size="},
        {"delivery ", h + " line=3 at=30 kind=1 wParam=0 size="},
        {"delivery ", h + " line=4 at=60 kind=2 wParam=0 size=8 -> 1"},
        {"delivery ", h + " line=5 at=90 message=1028 wParam=1 -> 1"},
        {"delivery ", h + " line=6 at=120 kind=3 wParam=0 size=12 -> 1"},
        {"delivery ", h + " line=7 at=150 kind=0 wParam=1027 size=0 -> 1"},
        {"SmPsw_GetPrinterStatus ", h + " flag=1 -> 1"},
        {"delivery ", h + " line=\"resend\" kind=2 wParam=0 size=8 -> 1"},
        {"SmPsw_ClosePrinter ", h + " -> 1"},
    };
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), std::size(expectedLog));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(expectedLog[i].starts, 0), 0U) << "log line " << i << ": " << lines[i];
        EXPECT_NE(lines[i].find(expectedLog[i].contains), std::string::npos)
            << "log line " << i << ": expected to contain " << expectedLog[i].contains << ", got "
            << lines[i];
    }
}

TEST_F(StandinTest, CloseWhileADeliveryWaitsReturnsPromptlyAndEndsDeliveries) {
    const std::wstring scenarioPath = folder_.file(L"busy.scn");
    ASSERT_TRUE(writeUtf8File(scenarioPath, "at 0ms status job=8\nat 0ms status job=9\nat 50ms status job=3\n"));
    ScopedEnv scenario(L"ZRT7QSMK_SCENARIO", scenarioPath.c_str());
    const HANDLE handle = open();
    Sleep(200);  // no messages handled: the player now waits in its first delivery
    const ULONGLONG before = GetTickCount64();
    EXPECT_TRUE(api_->closePrinter(handle));
    EXPECT_LT(GetTickCount64() - before, 2000U);
    const std::size_t atClose = window_->received().size();
    EXPECT_LE(atClose, 1U) << "only the delivery under way when closing";
    pumpUntil([] { return false; }, 300);
    EXPECT_EQ(window_->received().size(), atClose) << "nothing after SmPsw_ClosePrinter returned";
}

TEST_F(StandinTest, EveryCallIsLoggedWithItsArguments) {
    const HANDLE handle = open(L"プリンタ");
    const std::string h = "handle=" + std::to_string(idOf(handle));
    EXPECT_TRUE(api_->jobRequest(handle, static_cast<DWORD>(JobRequest::SessionRefresh), 7));
    EXPECT_TRUE(api_->changePrinterName(handle, L"\\\\srv\\新"));
    EXPECT_TRUE(api_->startPolling(handle));
    EXPECT_TRUE(api_->stopPolling(handle));
    const DWORD selector = 12;
    BYTE settings[32];
    DWORD size = 18;
    EXPECT_TRUE(api_->deviceRequest(handle, 11, const_cast<DWORD*>(&selector), 4, settings, &size));
    EXPECT_TRUE(api_->closePrinter(handle));
    EXPECT_FALSE(api_->closePrinter(handle));  // already closed

    const std::vector<std::string> expected = {
        "SmPsw_JobRequest " + h + " request=2060 value=7 -> 1",
        "SmPsw_ChangePrinterName " + h + " printer=\"\\\\srv\\新\" -> 1",
        "SmPsw_StartPolling " + h + " -> 1",
        "SmPsw_StopPolling " + h + " -> 1",
        "SmPsw_DeviceRequest " + h + " request=11 input=0c000000 inputSize=4 output=\"buffer\" size=18"
            " -> 1 answer=000000000000000000000000000000000000",
        "SmPsw_ClosePrinter " + h + " -> 1",
        "SmPsw_ClosePrinter " + h + " -> 0",
    };
    auto lines = logLines();
    ASSERT_EQ(lines.size(), expected.size() + 1);
    EXPECT_NE(lines[0].find("printer=\"プリンタ\" port=\"LPT1:\" -> 1 " + h), std::string::npos) << lines[0];
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i + 1], expected[i]);
}

// A setting makes one entry point answer 0.
struct FailureRow {
    const char* name;
    const wchar_t* variable;
    std::function<BOOL(const Api&, HANDLE)> call;
};

TEST_F(StandinTest, SettingsMakeCallsFail) {
    const FailureRow rows[] = {
        {"JobRequest", L"ZRT7QSMK_JOBREQUEST", [](const Api& a, HANDLE h) { return a.jobRequest(h, 2049, 0); }},
        {"StartPolling", L"ZRT7QSMK_STARTPOLLING", [](const Api& a, HANDLE h) { return a.startPolling(h); }},
        {"StopPolling", L"ZRT7QSMK_STOPPOLLING", [](const Api& a, HANDLE h) { return a.stopPolling(h); }},
        {"ChangePrinterName", L"ZRT7QSMK_CHANGEPRINTERNAME",
         [](const Api& a, HANDLE h) { return a.changePrinterName(h, L"x"); }},
        {"GetPrinterStatus", L"ZRT7QSMK_GETPRINTERSTATUS", [](const Api& a, HANDLE h) { return a.getPrinterStatus(h, 0); }},
        {"all device requests", L"ZRT7QSMK_DEVICEREQUEST",
         [](const Api& a, HANDLE h) { DWORD word = 0; return a.deviceRequest(h, 1, nullptr, 0, nullptr, &word); }},
        {"device request 16", L"ZRT7QSMK_DEVICE16",
         [](const Api& a, HANDLE h) { DWORD word = 0; return a.deviceRequest(h, 16, nullptr, 0, nullptr, &word); }},
    };
    const HANDLE handle = open();
    for (const FailureRow& row : rows) {
        EXPECT_TRUE(row.call(*api_, handle)) << row.name << " without the setting";
        ScopedEnv fail(row.variable, L"0");
        EXPECT_FALSE(row.call(*api_, handle)) << row.name << " with the setting 0";
    }
    EXPECT_TRUE(api_->closePrinter(handle));
    // An unknown handle is refused by every call that takes one.
    const HANDLE unknown = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(99999));
    EXPECT_FALSE(api_->jobRequest(unknown, 2049, 0));
    EXPECT_FALSE(api_->getPrinterStatus(unknown, 1));
    EXPECT_FALSE(api_->closePrinter2(unknown));
}

TEST_F(StandinTest, OpenPrinterCanFail) {
    ScopedEnv fail(L"ZRT7QSMK_OPENPRINTER", L"0");
    HANDLE handle = sentinelHandle();
    EXPECT_FALSE(api_->openPrinter(window_->hwnd(), L"Printer A", L"LPT1:", &handle));
    EXPECT_EQ(handle, nullptr);
    handle = sentinelHandle();
    EXPECT_FALSE(api_->openPrinter(nullptr, L"Printer A", L"LPT1:", &handle)) << "no window";
    const auto lines = logLines("SmPsw_OpenPrinter ");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_NE(lines[0].find("-> 0"), std::string::npos) << lines[0];
}

TEST_F(StandinTest, StatusQueryRefusedTheFirstTimes) {
    ScopedEnv refusals(L"ZRT7QSMK_GETPRINTERSTATUSREFUSALS", L"2");
    const HANDLE handle = open();
    EXPECT_FALSE(api_->getPrinterStatus(handle, 1));
    EXPECT_FALSE(api_->getPrinterStatus(handle, 0));
    EXPECT_TRUE(api_->getPrinterStatus(handle, 0));
    EXPECT_TRUE(api_->closePrinter(handle));
}

TEST_F(StandinTest, DeviceAnswersFromEnvironmentAndIni) {
    const std::wstring ini = folder_.file(L"answers.ini");
    ASSERT_TRUE(writeUtf8File(ini,
                              "[answers]\r\n"
                              "Device3.Output=0 0 0 0 0 0 0 0 0 0 13\r\n"
                              "Device9.2.Output=0x1234\r\n"
                              "Device9.Output=77\r\n"
                              "Device1.Word=5\r\n"
                              "Device11.Bytes=01 ff 08\r\n"));
    ScopedEnv config(L"ZRT7QSMK_CONFIG", ini.c_str());
    const HANDLE handle = open();

    BYTE paper[260];
    std::memset(paper, 0xAB, sizeof paper);
    DWORD size = sizeof paper;
    ASSERT_TRUE(api_->deviceRequest(handle, 3, nullptr, 0, paper, &size));
    DWORD code = 0;
    std::memcpy(&code, paper + kRegisteredPaperCodeOffset, 4);
    EXPECT_EQ(code, 13U);
    EXPECT_EQ(paper[259], 0) << "the rest of the buffer is zero-filled";
    EXPECT_EQ(size, 260U);

    const struct { DWORD selector; DWORD expected; } counters[] = {{2, 0x1234}, {0, 77}, {5, 77}};
    for (const auto& row : counters) {
        DWORD count = 0xdeadbeef;
        DWORD countSize = 4;
        EXPECT_TRUE(api_->deviceRequest(handle, 9, const_cast<DWORD*>(&row.selector), 4, &count, &countSize));
        EXPECT_EQ(count, row.expected) << "selector " << row.selector;
    }

    DWORD word = 0xdeadbeef;
    EXPECT_TRUE(api_->deviceRequest(handle, 1, nullptr, 0, nullptr, &word));
    EXPECT_EQ(word, 5U);

    BYTE settings[32];
    std::memset(settings, 0xAB, sizeof settings);
    DWORD settingsSize = 18;
    const DWORD selector = 12;
    EXPECT_TRUE(api_->deviceRequest(handle, 11, const_cast<DWORD*>(&selector), 4, settings, &settingsSize));
    EXPECT_EQ(settings[0], 0x01);
    EXPECT_EQ(settings[1], 0xFF);
    EXPECT_EQ(settings[2], 0x08);
    EXPECT_EQ(settings[17], 0x00);
    EXPECT_EQ(settings[18], 0xAB) << "nothing written past the caller's size";

    {  // the environment wins over the INI file
        ScopedEnv override(L"ZRT7QSMK_DEVICE1_WORD", L"9");
        EXPECT_TRUE(api_->deviceRequest(handle, 1, nullptr, 0, nullptr, &word));
        EXPECT_EQ(word, 9U);
    }
    EXPECT_TRUE(api_->closePrinter(handle));
}

TEST_F(StandinTest, BadScenarioIsLoggedWithLineAndReasonAndNotPlayed) {
    const std::wstring scenarioPath = folder_.file(L"bad.scn");
    ASSERT_TRUE(writeUtf8File(scenarioPath, "at 0ms status job=8\nat 10ms status colour=1\n"));
    ScopedEnv scenario(L"ZRT7QSMK_SCENARIO", scenarioPath.c_str());
    const HANDLE handle = open();
    pumpUntil([] { return false; }, 200);
    EXPECT_TRUE(window_->received().empty());
    EXPECT_TRUE(api_->closePrinter(handle));
    const auto lines = logLines("scenario ");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_NE(lines[0].find("errorLine=2 error=\"line 2: unknown field 'colour=1'\""), std::string::npos)
        << lines[0];

    ScopedEnv missing(L"ZRT7QSMK_SCENARIO", folder_.file(L"none.scn").c_str());
    const HANDLE second = open();
    EXPECT_TRUE(api_->closePrinter(second));
    const auto after = logLines("scenario ");
    ASSERT_EQ(after.size(), 2U);
    EXPECT_NE(after[1].find("error=\"cannot open (error 2)\""), std::string::npos) << after[1];
}

// A copy of the library in a folder of its own, with or without a ZRT7QSWK.EXE beside it.
class InvokeTest : public ::testing::Test {
protected:
    void load(bool withProgram) {
        const std::wstring copy = folder_.file(L"ZRT7QSMK.DLL");
        ASSERT_TRUE(CopyFileW((programFolder() + L"\\ZRT7QSMK.DLL").c_str(), copy.c_str(), FALSE));
        if (withProgram) {
            ASSERT_TRUE(CopyFileW((programFolder() + L"\\zrt_smk_args_recorder.exe").c_str(),
                                  folder_.file(L"ZRT7QSWK.EXE").c_str(), FALSE));
        }
        library_ = LoadLibraryW(copy.c_str());
        ASSERT_NE(library_, nullptr);
        api_.emplace(library_);
    }
    void TearDown() override {
        if (library_ != nullptr) FreeLibrary(library_);
    }
    HANDLE open2(const wchar_t* printer) {
        HANDLE handle = sentinelHandle();
        EXPECT_TRUE(api_->openPrinter2(printer, 0, &handle));
        return handle;
    }

    TempFolder folder_;
    std::wstring logPath_ = folder_.file(L"calls.log");
    std::wstring argsPath_ = folder_.file(L"args.txt");
    ScopedEnv log_{L"ZRT7QSMK_LOG", logPath_.c_str()};
    ScopedEnv args_{L"ZRT7QSMK_TEST_ARGS_OUT", argsPath_.c_str()};
    ScopedEnv port_{L"ZRT7QSMK_INVOKEPORT", L"LPT1:"};
    ScopedEnv noConfig_{L"ZRT7QSMK_CONFIG", nullptr};
    HMODULE library_ = nullptr;
    std::optional<Api> api_;
};

TEST_F(InvokeTest, StartsTheStatusWindowFromItsOwnFolder) {
    load(true);
    const HANDLE handle = open2(L"Printer B");
    ASSERT_TRUE(api_->invokePSW(handle, L"Printer B", 0, kLaunchModeLauncher));
    ASSERT_TRUE(pumpUntil([&] { return GetFileAttributesW(argsPath_.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000));
    EXPECT_TRUE(api_->closePrinter2(handle));

    const std::string commandLine = readFile(argsPath_);
    const auto blank = commandLine.find(' ');
    ASSERT_NE(blank, std::string::npos) << commandLine;
    EXPECT_EQ(commandLine.substr(blank), " !DPrinter B !PLPT1: !L3");
    // The program path (short form, no blanks) names the copy beside the library.
    wchar_t longPath[MAX_PATH];
    const std::wstring programArg(commandLine.begin(), commandLine.begin() + static_cast<std::ptrdiff_t>(blank));
    ASSERT_GT(GetLongPathNameW(programArg.c_str(), longPath, MAX_PATH), 0U) << commandLine;
    wchar_t expected[MAX_PATH];
    ASSERT_GT(GetLongPathNameW(folder_.file(L"ZRT7QSWK.EXE").c_str(), expected, MAX_PATH), 0U);
    EXPECT_EQ(lstrcmpiW(longPath, expected), 0) << utf8(longPath);

    const auto lines = readLines(logPath_);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], "SmPsw_OpenPrinter2 printer=\"Printer B\" reserved=0 -> 1 handle=" +
                            std::to_string(idOf(handle)));
    EXPECT_EQ(lines[1], "SmPsw_InvokePSW handle=" + std::to_string(idOf(handle)) +
                            " printer=\"Printer B\" reserved=0 mode=3 -> 1 command=\"" + commandLine + "\"");
    EXPECT_EQ(lines[2], "SmPsw_ClosePrinter2 handle=" + std::to_string(idOf(handle)) + " -> 1");
}

TEST_F(InvokeTest, WithoutOwnCopyUsesTheInstalledProgramPath) {
    load(false);
    const HANDLE handle = open2(L"Printer C");
    EXPECT_FALSE(api_->invokePSW(handle, L"Printer C", 0, 3));  // nothing installed there
    EXPECT_TRUE(api_->closePrinter2(handle));
    const auto lines = readLines(logPath_);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_NE(lines[1].find("\\spool\\drivers\\w32x86\\3\\ZRT7QSWK.EXE !DPrinter C !PLPT1: !L3\" error="),
              std::string::npos) << lines[1];
}

TEST_F(InvokeTest, ShowsARunningStatusWindowInstead) {
    load(true);
    RecordingWindow running(kStatusWindowClass, L"Printer D");
    const HANDLE handle = open2(L"Printer D");
    ASSERT_TRUE(api_->invokePSW(handle, L"Printer D", 0, 3));
    ASSERT_TRUE(pumpUntil([&] { return !running.received().empty(); }, 5000));
    EXPECT_EQ(running.received()[0].message, messages::kShow);
    EXPECT_EQ(running.received()[0].wParam, 3U);
    EXPECT_TRUE(api_->closePrinter2(handle));
    EXPECT_EQ(GetFileAttributesW(argsPath_.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing started";
}

}  // namespace
}  // namespace zrt::testbed::wine
