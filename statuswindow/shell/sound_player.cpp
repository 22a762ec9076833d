#include "statuswindow/shell/sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "statuswindow/shell/handles.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

constexpr wchar_t kSoundKey[] = L"Software\\Vemar\\ZRT7Q\\SOUND";
constexpr DWORD kMaxFileNameBytes = 520;

// Class 1: error sounds; class 0: normal sounds; -1: a name the table does not take.
int soundClass(TextView name) {
    if (equalsIgnoringCase(name, u"PrinterServiceError") || equalsIgnoringCase(name, u"PrinterError")) return 1;
    if (equalsIgnoringCase(name, u"PrintComplete") || equalsIgnoringCase(name, u"Title")) return 0;
    return -1;
}

}  // namespace

void SoundPlayer::noteDevices() { haveDevice_ = waveOutGetNumDevs() != 0; }

void SoundPlayer::play(TextView soundName) const {
    const int cls = soundClass(soundName);
    if (!haveDevice_ || cls < 0) return;
    if (soundMessage_ == 1 ? cls != 1 : soundMessage_ != 0) return;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSoundKey, 0, KEY_READ, &raw) != ERROR_SUCCESS) return;
    const RegKey key(raw);
    std::vector<wchar_t> file(kMaxFileNameBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    DWORD size = kMaxFileNameBytes;
    if (RegQueryValueExW(key.get(), toWide(soundName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(file.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return;
    file.back() = L'\0';
    PlaySoundW(file.data(), nullptr, SND_FILENAME | SND_NOWAIT | SND_NOSTOP | SND_ASYNC);
}

}  // namespace zrt::statuswindow::shell
