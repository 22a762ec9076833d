// Plays a display's sound: the wave file named under "Software\Vemar\ZRT7Q\SOUND", if the
// "SoundMessage" preference lets that class of sound play and a wave device exists.
#pragma once

#include <cstdint>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow::shell {

class SoundPlayer {
public:
    // WM_CREATE: note whether a wave output device exists.
    void noteDevices();
    void setSoundMessage(std::uint32_t value) { soundMessage_ = value; }
    void play(TextView soundName) const;

private:
    bool haveDevice_ = false;
    std::uint32_t soundMessage_ = 0;
};

}  // namespace zrt::statuswindow::shell
