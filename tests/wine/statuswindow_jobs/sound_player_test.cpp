#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "statuswindow/shell_jobs/sound_player.h"
#include "statuswindow/shell_jobs/sound_table_loader.h"
#include "wine_jobs_support.h"

namespace zrt::statuswindow::wine {
namespace {

using shell_jobs::PlayStart;
using shell_jobs::playSoundFile;

struct PlayCall {
    std::wstring name;
    DWORD flags;
    DWORD thread;
    ULONGLONG tick;
};

std::mutex g_mutex;
std::vector<PlayCall> g_calls;
std::atomic<int> g_failuresLeft{0};

BOOL WINAPI recordPlay(LPCWSTR name, HMODULE, DWORD flags) {
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        g_calls.push_back({name, flags, GetCurrentThreadId(), GetTickCount64()});
    }
    return g_failuresLeft.fetch_sub(1) > 0 ? FALSE : TRUE;
}

std::vector<PlayCall> calls() {
    const std::lock_guard<std::mutex> lock(g_mutex);
    return g_calls;
}

void reset(int failures) {
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.clear();
    g_failuresLeft = failures;
}

TEST(SoundPlayer, PlaysAsynchronouslyWhenTheDeviceIsFree) {
    reset(0);
    EXPECT_EQ(playSoundFile(L"C:\\s\\error.wav", recordPlay), PlayStart::Played);
    const auto c = calls();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].flags, static_cast<DWORD>(SND_FILENAME | SND_NOWAIT | SND_NOSTOP | SND_ASYNC));
}

TEST(SoundPlayer, BusyDeviceRetriedOnAThreadWithTheNameFromAnAtom) {
    reset(3);  // the asynchronous play and two retries fail, the third retry plays
    const std::wstring file = L"C:\\s\\busy-device-test.wav";
    EXPECT_EQ(playSoundFile(file, recordPlay), PlayStart::RetryStarted);
    ASSERT_TRUE(pumpUntil([] { return calls().size() >= 4; }, 5000));
    ASSERT_TRUE(pumpUntil([&] { return FindAtomW(file.c_str()) == 0; }, 2000)) << "the thread deletes its atom";
    Sleep(700);
    const auto c = calls();
    ASSERT_EQ(c.size(), 4u) << "no retry after one succeeds";
    for (std::size_t i = 1; i < c.size(); ++i) {
        EXPECT_EQ(c[i].name, file) << "retry " << i;
        EXPECT_EQ(c[i].flags, static_cast<DWORD>(SND_FILENAME | SND_NOWAIT | SND_NOSTOP)) << "retry " << i << " is synchronous";
        EXPECT_NE(c[i].thread, GetCurrentThreadId()) << "retry " << i;
        EXPECT_GE(c[i].tick - c[i - 1].tick, 450u) << "retries are 500 ms apart";
    }
}

TEST(SoundPlayer, GivesUpAfterTenRetries) {
    reset(100);
    const std::wstring file = L"C:\\s\\never-free.wav";
    EXPECT_EQ(playSoundFile(file, recordPlay), PlayStart::RetryStarted);
    ASSERT_TRUE(pumpUntil([&] { return FindAtomW(file.c_str()) == 0; }, 8000));
    EXPECT_EQ(calls().size(), 11u) << "one asynchronous play and ten retries";
}

TEST(SoundPlayer, ANameNoAtomHoldsIsNotRetried) {
    reset(1);
    EXPECT_EQ(playSoundFile(std::wstring(300, L'a'), recordPlay), PlayStart::NotRetried);
    EXPECT_EQ(calls().size(), 1u);
}

TEST(SoundPlayer, WinesOwnPlaySound) {
    // Whatever Wine's sound system offers: a short silent wave either plays or is retried; in
    // both cases the call returns at once and any retry thread ends within its ten tries.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"zrt-jobs-silence.wav";
    std::string wav = std::string("RIFF") + std::string("\x2c\x00\x00\x00", 4) + "WAVEfmt " +
                      std::string("\x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00", 20) +
                      "data" + std::string("\x08\x00\x00\x00", 4) + std::string(8, '\x80');
    ASSERT_TRUE(writeFile(file, wav));
    const ULONGLONG start = GetTickCount64();
    const PlayStart result = playSoundFile(file);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    std::printf("wave devices: %u, first play: %s\n", waveOutGetNumDevs(),
                result == PlayStart::Played ? "played" : result == PlayStart::RetryStarted ? "retrying" : "not retried");
    EXPECT_TRUE(pumpUntil([&] { return FindAtomW(file.c_str()) == 0; }, 8000));
    PlaySoundW(nullptr, nullptr, 0);
    DeleteFileW(file.c_str());
}

TEST(SoundTableLoader, TakesTheFourNamesFromTheKey) {
    const SandboxKey key(L"Software\\ZRT-jobs-test\\SOUND");
    ASSERT_TRUE(key.setString(L"printerERROR", L"C:\\s\\error.wav"));
    ASSERT_TRUE(key.setString(L"PrintComplete", L"C:\\s\\done.wav"));
    ASSERT_TRUE(key.setString(L"Other", L"C:\\s\\other.wav"));
    ASSERT_TRUE(key.setDword(L"Title", 5));
    ASSERT_TRUE(key.setString(L"PrinterServiceError", std::wstring(400, L'x')));  // 802 bytes: too long
    const sounds::SoundTable table = shell_jobs::loadSoundTable(key.root(), key.path().c_str());
    ASSERT_EQ(table.size(), 2u);
    ASSERT_NE(table.find(u"PrinterError"), nullptr);
    EXPECT_EQ(table.find(u"PrinterError")->fileName, u"C:\\s\\error.wav");
    EXPECT_EQ(table.find(u"PrinterError")->soundClass, sounds::SoundClass::Error);
    EXPECT_EQ(table.find(u"printcomplete")->soundClass, sounds::SoundClass::Normal);
    EXPECT_EQ(table.find(u"PrinterServiceError"), nullptr) << "a file name longer than 520 bytes is skipped";
    EXPECT_TRUE(shell_jobs::loadSoundTable(key.root(), L"Software\\ZRT-jobs-test\\NONE").empty());
}

}  // namespace
}  // namespace zrt::statuswindow::wine
