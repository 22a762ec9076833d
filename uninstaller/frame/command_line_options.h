// The uninstaller's command line: switches /S /A /P /D /L /C /E, the selection file that /P and
// /D name, and the validation of the combination.
#pragma once

#include <string>

#include "uninstaller/frame/system/files.h"
#include "uninstaller/frame/system/platform.h"
#include "uninstaller/frame/system/profiles.h"
#include "uninstaller/frame/system/text_services.h"

namespace zrt::un {

inline constexpr const char* kDefaultSelectionFile = "UninstSi.ini";
inline constexpr const char* kPrinterNameSection = "Delete Printer Name";
inline constexpr const char* kDriverNameSection = "Delete Driver Name";
inline constexpr std::size_t kSelectionKeysBuffer = 32767;
inline constexpr std::size_t kSelectionValueBuffer = 1024;

// What the selection file is read through.
struct SelectionSource {
    Files& files;
    Profiles& profiles;
    Platform& platform;
};

enum class TargetMode { None = -1, All = 0, ByPrinter = 1, ByDriver = 2 };

class CommandLineOptions {
public:
    explicit CommandLineOptions(std::string commandLine) : commandLine_(std::move(commandLine)) {}

    void parse(TextServices& codePage, SelectionSource source);
    // True when an error was found; its text is in errorMessage().
    bool validate(TextServices& strings);

    TargetMode targetMode() const;
    const std::string& commandLine() const { return commandLine_; }
    const std::string& logPath() const { return logPath_; }
    const std::string& errorMessage() const { return errorMessage_; }
    const std::string& selectionFile() const { return selectionFile_; }
    const std::string& printerNames() const { return printerNames_; }
    const std::string& driverNames() const { return driverNames_; }
    bool silent() const { return silent_; }
    bool all() const { return all_; }
    bool cleanup() const { return cleanup_; }
    bool byPrinter() const { return byPrinter_; }
    bool byDriver() const { return byDriver_; }
    bool logging() const { return logging_; }
    bool skipRunningChecks() const { return skipRunningChecks_; }

private:
    void clearFlags();
    // Takes the quoted argument of /P or /D off `rest` and reads its section.
    void takeSelection(std::string& rest, const char* section, SelectionSource source);
    void readSelection(const char* section, SelectionSource source);
    bool validateSilent(TextServices& strings);
    bool validateInteractive(TextServices& strings);

    std::string commandLine_;
    std::string logPath_;
    std::string errorMessage_;
    std::string selectionFile_;
    std::string printerNames_;
    std::string driverNames_;
    bool silent_ = false;
    bool all_ = false;
    bool cleanup_ = false;
    bool byPrinter_ = false;
    bool byDriver_ = false;
    bool logging_ = false;
    bool skipRunningChecks_ = false;
};

}  // namespace zrt::un
