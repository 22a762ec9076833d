// The status window's command line: "<program path> !D<printer> !P<port> !L<mode>", as the
// status-monitor library and the relaunch write it.
#pragma once

#include <cstdint>
#include <optional>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow {

// Longest printer name the program accepts: its buffer holds 260 characters with the
// terminator. A longer "!D" value is refused rather than cut, because a cut name would address
// another printer (and another mutex and settings key).
inline constexpr std::size_t kMaxPrinterNameChars = 259;
// Longest port text kept: its buffer holds 80 characters with the terminator.
inline constexpr std::size_t kMaxPortTextChars = 79;

// Launch modes: 1 and 3 are opened at the user's request, 0 and 2 automatically.
inline constexpr std::uint32_t kMaxLaunchMode = 3;
constexpr bool isUserLaunch(std::uint32_t mode) noexcept { return mode == 1 || mode == 3; }

enum class ScanEnd {
    Complete,  // reached the end of the line after an "!L" was seen
    Ended,     // an unknown switch, a bad "!L" digit, or the end without "!L"
};

struct CommandLineScan {
    ScanEnd end = ScanEnd::Ended;
    bool sawPrinter = false;   // "!D" seen
    bool sawPort = false;      // "!P" seen
    bool nameTooLong = false;  // "!D" value over kMaxPrinterNameChars: refused
    Text printerName;
    Text portText;
    std::uint32_t launchMode = 0;
};

// Scans the whole command line (program path first).
CommandLineScan scanCommandLine(TextView commandLine);

// What start-up does with a scan.
enum class StartDecision {
    Exit,                // exit at once, silently
    Start,               // start with the scanned name and port text
    DerivePortAndStart,  // derive the port text from the printer, then start either way
};
StartDecision decideStart(const CommandLineScan& scan) noexcept;

// The relaunch command line: system directory + "\spool\drivers\w32x86\3\ZRT7QSWK.EXE !D%s
// !P%s !L%d".
Text relaunchCommandLine(TextView systemDirectory, TextView printerName, TextView portText,
                         std::uint32_t launchMode);

// "ZRT7Q_" + printer name with every "\" replaced by "_".
Text instanceMutexName(TextView printerName);

// "Software\Vemar\ZRT7Q\" + printer name with every "\" replaced by "," + "\PSW" (under
// HKEY_LOCAL_MACHINE).
Text settingsKeyPath(TextView printerName);

}  // namespace zrt::statuswindow
