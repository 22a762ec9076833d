// Plays a wave file without waiting. When the device is busy (the asynchronous play fails), a
// short-lived worker thread tries again synchronously: the file name reaches it through the
// process's atom table, so the thread owns nothing of the caller's.
#pragma once

#include <windows.h>

#include <string>

namespace zrt::statuswindow::shell_jobs {

// PlaySoundW's shape; the program uses PlaySoundW itself, tests a recorder.
using PlaySoundFn = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);

// Flags of the first, asynchronous play and of the retries.
inline constexpr DWORD kFirstPlayFlags = 0x00020000L | 0x0010L | 0x2000L | 0x0001L;  // SND_FILENAME|SND_NOSTOP|SND_NOWAIT|SND_ASYNC
inline constexpr DWORD kRetryPlayFlags = 0x00020000L | 0x0010L | 0x2000L;            // synchronous
inline constexpr SIZE_T kRetryThreadStackBytes = 16 * 1024;

// How a play request went on the caller's side.
enum class PlayStart {
    Played,         // the asynchronous play was accepted
    RetryStarted,   // a retry thread runs with the name in an atom
    NotRetried,     // the name could not be put in an atom, or no thread could start
};

// Plays file with play (PlaySoundW when none is given); play is also what the retry thread calls.
PlayStart playSoundFile(const std::wstring& file, PlaySoundFn play = nullptr);

}  // namespace zrt::statuswindow::shell_jobs
