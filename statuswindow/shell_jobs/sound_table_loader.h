// Reads the sound table from the registry and asks whether a wave output device exists.
#pragma once

#include <windows.h>

#include "statuswindow/sounds/sound_table.h"

namespace zrt::statuswindow::shell_jobs {

// The values of the SOUND key under root (HKEY_LOCAL_MACHINE in the program); an empty table
// when the key cannot be opened.
sounds::SoundTable loadSoundTable(HKEY root = HKEY_LOCAL_MACHINE,
                                  const wchar_t* keyPath = reinterpret_cast<const wchar_t*>(sounds::kSoundKeyPath));

// waveOutGetNumDevs is not 0.
bool waveDeviceExists();

}  // namespace zrt::statuswindow::shell_jobs
