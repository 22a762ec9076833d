// The sound table: wave files named under HKEY_LOCAL_MACHINE "Software\Vemar\ZRT7Q\SOUND"
// (value name = sound name, string data = file name). Only four names are taken: two normal
// sounds and two error sounds. A display's sound name is looked up here and played or not by
// the "SoundMessage" preference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::sounds {

inline constexpr char16_t kSoundKeyPath[] = u"Software\\Vemar\\ZRT7Q\\SOUND";

inline constexpr std::size_t kMaxEntries = 20;
// Longest value name read (characters, terminator included) and longest file name data (bytes,
// terminator included). A value whose name or data does not fit is skipped.
inline constexpr std::size_t kMaxSoundNameChars = 520;
inline constexpr std::size_t kMaxFileNameBytes = 520;

enum class SoundClass : std::uint32_t {
    Normal = 0,
    Error = 1,
};

struct SoundEntry {
    SoundClass soundClass;
    Text name;      // as stored under the key
    Text fileName;  // wave file
};

// The class of a taken sound name (compared without regard to case), or none for a name that
// is skipped.
std::optional<SoundClass> classOfName(TextView name) noexcept;

// One value of the SOUND key as the registry enumeration yields it.
struct SoundValue {
    Text name;
    bool isString = false;  // REG_SZ or REG_EXPAND_SZ
    Text data;              // the string, without terminator
    bool fits = true;       // name and data fitted the read limits
};

class SoundTable {
public:
    // Takes the values with the four names, in enumeration order, up to 20 entries.
    static SoundTable fromValues(const std::vector<SoundValue>& values);

    bool empty() const noexcept { return entries_.empty(); }
    std::size_t size() const noexcept { return entries_.size(); }
    const std::vector<SoundEntry>& entries() const noexcept { return entries_; }

    // The entry whose name equals name without regard to case.
    const SoundEntry* find(TextView name) const noexcept;

private:
    std::vector<SoundEntry> entries_;
};

// "SoundMessage": 0 all sounds, 1 error sounds only, anything else none.
inline constexpr std::uint32_t kAllSounds = 0;
inline constexpr std::uint32_t kErrorSoundsOnly = 1;
inline constexpr std::uint32_t kNoSounds = 2;

// The wave file a sound name plays, or none: no wave output device, an empty table, a name not
// in the table, or a class the preference silences.
std::optional<Text> fileToPlay(const SoundTable& table, TextView soundName, std::uint32_t soundMessage,
                               bool waveDeviceExists);

// When the first, asynchronous play fails (another sound is still playing), a worker thread
// tries again synchronously: up to this many times, this long apart.
inline constexpr std::uint32_t kRetryCount = 10;
inline constexpr std::uint32_t kRetryIntervalMs = 500;
// Longest name an atom holds: a file name passed to the retry thread is read back up to this.
inline constexpr std::size_t kMaxAtomNameChars = 255;

}  // namespace zrt::statuswindow::sounds
