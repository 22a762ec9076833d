// Everything the uninstaller reaches outside itself, in one place: the Win32 adapters in the
// program, the fake machine in tests.
#pragma once

#include "uninstaller/frame/system/clock.h"
#include "uninstaller/frame/system/desktop.h"
#include "uninstaller/frame/system/files.h"
#include "uninstaller/frame/system/message_boxes.h"
#include "uninstaller/frame/system/mutexes.h"
#include "uninstaller/frame/system/platform.h"
#include "uninstaller/frame/system/processes.h"
#include "uninstaller/frame/system/profiles.h"
#include "uninstaller/frame/system/registry.h"
#include "uninstaller/frame/system/services.h"
#include "uninstaller/frame/system/spooler.h"
#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

struct Machine {
    Registry& registry;
    Spooler& spooler;
    Files& files;
    Profiles& profiles;
    Processes& processes;
    Mutexes& mutexes;
    Desktop& desktop;
    Services& services;
    Platform& platform;
    TextServices& text;
    MessageBoxes& boxes;
    Clock& clock;
};

}  // namespace zrt::un
