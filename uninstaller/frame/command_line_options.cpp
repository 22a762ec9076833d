#include "uninstaller/frame/command_line_options.h"

#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/string_ids.h"

namespace zrt::un {

void CommandLineOptions::clearFlags() {
    silent_ = all_ = cleanup_ = byPrinter_ = byDriver_ = logging_ = skipRunningChecks_ = false;
}

void CommandLineOptions::parse(TextServices& codePage, SelectionSource source) {
    clearFlags();
    if (commandLine_.find('/') == std::string::npos) {
        return;
    }
    commandLine_ = upperCase(commandLine_, codePage);
    std::string rest = commandLine_.substr(commandLine_.find('/') + 1) + " /";
    while (!rest.empty()) {
        // Each test looks at the first character of the rest as it stands at that moment.
        if (rest[0] == 'S') {
            silent_ = true;
        }
        if (rest[0] == 'A') {
            all_ = true;
        }
        if (rest[0] == 'P') {
            takeSelection(rest, kPrinterNameSection, source);
            byPrinter_ = true;
        }
        if (!rest.empty() && rest[0] == 'D') {
            takeSelection(rest, kDriverNameSection, source);
            byDriver_ = true;
        }
        if (!rest.empty() && rest[0] == 'L') {
            const std::size_t end = rest.find('/', 1);
            logPath_ = trimmed(rest.substr(1, end == std::string::npos ? std::string::npos
                                                                       : end - 1));
            logging_ = true;
        }
        if (!rest.empty() && rest[0] == 'C') {
            cleanup_ = true;
        }
        if (!rest.empty() && rest[0] == 'E') {
            skipRunningChecks_ = true;
        }
        const std::size_t next = rest.find('/');
        if (next == std::string::npos) {
            break;
        }
        rest = rest.substr(next + 1);
    }
}

void CommandLineOptions::takeSelection(std::string& rest, const char* section,
                                       SelectionSource source) {
    const std::size_t first = rest.find('"');
    const std::size_t last = rest.rfind('"');
    std::string argument;
    if (first != std::string::npos && last != first) {
        argument = rest.substr(first + 1, last - first - 1);
    }
    if (last != std::string::npos) {
        rest = rest.substr(last + 1);
    }
    selectionFile_ = trimmed(argument);
    readSelection(section, source);
}

void CommandLineOptions::readSelection(const char* section, SelectionSource source) {
    printerNames_.clear();
    driverNames_.clear();
    if (selectionFile_.empty()) {
        std::string path = source.platform.windowsDirectory();
        if (path.empty() || path.back() != '\\') {
            path += '\\';
        }
        path += kDefaultSelectionFile;
        if (!source.files.exists(path)) {
            return;
        }
        selectionFile_ = path;
    } else if (!source.files.exists(selectionFile_)) {
        selectionFile_.clear();
        return;
    }
    const bool printers = std::string(section) == kPrinterNameSection;
    std::string& names = printers ? printerNames_ : driverNames_;
    for (const std::string& key :
         source.profiles.readKeyNames(selectionFile_, section, kSelectionKeysBuffer)) {
        const std::string value =
            source.profiles.readString(selectionFile_, section, key, "", kSelectionValueBuffer);
        if (value.empty() || value[0] == ';') {
            continue;
        }
        names += value;
        names += '\t';
    }
}

TargetMode CommandLineOptions::targetMode() const {
    if (byDriver_) {
        return TargetMode::ByDriver;
    }
    if (byPrinter_) {
        return TargetMode::ByPrinter;
    }
    return all_ ? TargetMode::All : TargetMode::None;
}

bool CommandLineOptions::validate(TextServices& strings) {
    errorMessage_.clear();
    return silent_ ? validateSilent(strings) : validateInteractive(strings);
}

bool CommandLineOptions::validateSilent(TextServices& strings) {
    const int targets = int{all_} + int{byPrinter_} + int{byDriver_} + int{cleanup_};
    unsigned error = 0;
    if (targets > 1) {
        error = ids::kSilentConflict;
    } else if ((byPrinter_ || byDriver_) && selectionFile_.empty()) {
        error = ids::kIniNotFound;
    } else if (byPrinter_ && printerNames_.empty()) {
        error = ids::kSilentNoPrinterName;
    } else if (byDriver_ && driverNames_.empty()) {
        error = ids::kSilentNoDriverName;
    } else if (targets == 0) {
        error = ids::kSilentNoTarget;
    }
    if (error == 0) {
        return false;
    }
    errorMessage_ = strings.loadString(error);
    return true;
}

bool CommandLineOptions::validateInteractive(TextServices& strings) {
    // The last present switch in this order is the one named.
    const char* named = nullptr;
    const std::pair<bool, const char*> order[] = {
        {byPrinter_, "[/P]"}, {byDriver_, "[/D]"}, {cleanup_, "[/C]"},
        {logging_, "[/L]"},   {all_, "[/A]"},      {skipRunningChecks_, "[/E]"},
    };
    for (const auto& [present, name] : order) {
        if (present) {
            named = name;
        }
    }
    if (named == nullptr) {
        return false;
    }
    errorMessage_ = replaceFirstPercentS(strings.loadString(ids::kSilentNeedsS), named);
    return true;
}

}  // namespace zrt::un
