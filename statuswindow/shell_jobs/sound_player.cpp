#include "statuswindow/shell_jobs/sound_player.h"

#include <mmsystem.h>

#include <atomic>
#include <cstdint>

#include "statuswindow/shell/handles.h"
#include "statuswindow/sounds/sound_table.h"

namespace zrt::statuswindow::shell_jobs {

namespace {

static_assert(kFirstPlayFlags == (SND_FILENAME | SND_NOWAIT | SND_NOSTOP | SND_ASYNC), "first play flags");
static_assert(kRetryPlayFlags == (SND_FILENAME | SND_NOWAIT | SND_NOSTOP), "retry flags");

// The play function of the retry threads. Threads only read it; it is set before any starts.
std::atomic<PlaySoundFn> g_retryPlay{nullptr};

DWORD WINAPI retryThread(LPVOID parameter) {
    const ATOM atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(parameter));
    wchar_t name[sounds::kMaxAtomNameChars + 1] = {};
    if (GetAtomNameW(atom, name, static_cast<int>(sounds::kMaxAtomNameChars + 1)) != 0) {
        const PlaySoundFn play = g_retryPlay.load();
        for (std::uint32_t i = 0; i < sounds::kRetryCount; ++i) {
            Sleep(sounds::kRetryIntervalMs);
            if (play(name, nullptr, kRetryPlayFlags)) break;
        }
    }
    DeleteAtom(atom);
    return 0;
}

}  // namespace

PlayStart playSoundFile(const std::wstring& file, PlaySoundFn play) {
    if (play == nullptr) play = PlaySoundW;
    if (play(file.c_str(), nullptr, kFirstPlayFlags)) return PlayStart::Played;
    const ATOM atom = AddAtomW(file.c_str());
    if (atom == 0) return PlayStart::NotRetried;
    g_retryPlay.store(play);
    const shell::KernelHandle thread(CreateThread(nullptr, kRetryThreadStackBytes, retryThread,
                                                  reinterpret_cast<LPVOID>(static_cast<std::uintptr_t>(atom)), 0,
                                                  nullptr));
    if (!thread) {
        DeleteAtom(atom);
        return PlayStart::NotRetried;
    }
    return PlayStart::RetryStarted;
}

}  // namespace zrt::statuswindow::shell_jobs
