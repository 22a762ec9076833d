#include "statuswindow/sounds/sound_table.h"

#include <array>

namespace zrt::statuswindow::sounds {

namespace {

struct NamedClass {
    std::u16string_view name;
    SoundClass soundClass;
};

constexpr std::array<NamedClass, 4> kTakenNames{{
    {u"PrintComplete", SoundClass::Normal},
    {u"Title", SoundClass::Normal},
    {u"PrinterServiceError", SoundClass::Error},
    {u"PrinterError", SoundClass::Error},
}};

}  // namespace

std::optional<SoundClass> classOfName(TextView name) noexcept {
    for (const NamedClass& n : kTakenNames)
        if (equalsIgnoringCase(name, n.name)) return n.soundClass;
    return std::nullopt;
}

SoundTable SoundTable::fromValues(const std::vector<SoundValue>& values) {
    SoundTable table;
    for (const SoundValue& v : values) {
        if (table.entries_.size() == kMaxEntries) break;
        if (!v.fits || !v.isString) continue;
        const std::optional<SoundClass> c = classOfName(v.name);
        if (!c) continue;
        table.entries_.push_back({*c, v.name, v.data});
    }
    return table;
}

const SoundEntry* SoundTable::find(TextView name) const noexcept {
    for (const SoundEntry& e : entries_)
        if (equalsIgnoringCase(e.name, name)) return &e;
    return nullptr;
}

std::optional<Text> fileToPlay(const SoundTable& table, TextView soundName, std::uint32_t soundMessage,
                               bool waveDeviceExists) {
    if (!waveDeviceExists || table.empty()) return std::nullopt;
    const SoundEntry* entry = table.find(soundName);
    if (entry == nullptr) return std::nullopt;
    const bool plays = soundMessage == kAllSounds ||
                       (soundMessage == kErrorSoundsOnly && entry->soundClass == SoundClass::Error);
    if (!plays) return std::nullopt;
    return entry->fileName;
}

}  // namespace zrt::statuswindow::sounds
