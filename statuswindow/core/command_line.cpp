#include "statuswindow/core/command_line.h"

namespace zrt::statuswindow {

namespace {

// The value of a "!D" or "!P" switch: leading blanks skipped, up to the next "!" or the end.
// Returns the raw value; pos is left on the "!" or at the end.
TextView switchValue(TextView line, std::size_t& pos) {
    const std::size_t start = pos;
    const std::size_t bang = line.find(u'!', start);
    pos = bang == TextView::npos ? line.size() : bang;
    return skipLeadingBlanks(line.substr(start, pos - start));
}

}  // namespace

CommandLineScan scanCommandLine(TextView commandLine) {
    CommandLineScan scan;
    // The program path runs to the first blank; it cannot itself contain one.
    const std::size_t blank = commandLine.find_first_of(u" \t");
    if (blank == TextView::npos) return scan;
    const TextView line = commandLine.substr(blank);

    bool sawMode = false;
    std::size_t pos = line.find(u'!');
    while (pos != TextView::npos && pos < line.size()) {
        if (pos + 1 >= line.size()) return scan;  // "!" with no letter
        const char16_t letter = line[pos + 1];
        pos += 2;
        if (letter == u'D') {
            const TextView value = trimTrailingBlanks(switchValue(line, pos));
            scan.sawPrinter = true;
            scan.nameTooLong = value.size() > kMaxPrinterNameChars;
            scan.printerName = scan.nameTooLong ? Text() : Text(value);
        } else if (letter == u'P') {
            // Cut first, then trim, so that the kept text never ends in a blank.
            scan.sawPort = true;
            scan.portText = Text(trimTrailingBlanks(cut(switchValue(line, pos), kMaxPortTextChars)));
        } else if (letter == u'L') {
            if (pos >= line.size() || line[pos] < u'0' || line[pos] > u'3') return scan;
            scan.launchMode = static_cast<std::uint32_t>(line[pos] - u'0');
            sawMode = true;
            pos = line.find(u'!', pos + 1);
        } else {
            return scan;
        }
    }
    if (sawMode) scan.end = ScanEnd::Complete;
    return scan;
}

StartDecision decideStart(const CommandLineScan& scan) noexcept {
    if (scan.nameTooLong) return StartDecision::Exit;
    if (scan.end == ScanEnd::Complete && scan.sawPrinter && !scan.printerName.empty()) {
        return scan.sawPort ? StartDecision::Start : StartDecision::DerivePortAndStart;
    }
    // A failed or ended scan still starts when both texts are there.
    if (!scan.printerName.empty() && !scan.portText.empty()) return StartDecision::Start;
    return StartDecision::Exit;
}

Text relaunchCommandLine(TextView systemDirectory, TextView printerName, TextView portText,
                         std::uint32_t launchMode) {
    Text line(systemDirectory);
    line += u"\\spool\\drivers\\w32x86\\3\\ZRT7QSWK.EXE !D";
    line += printerName;
    line += u" !P";
    line += portText;
    line += u" !L";
    line += decimal(launchMode);
    return line;
}

Text instanceMutexName(TextView printerName) {
    return u"ZRT7Q_" + replaceAll(printerName, u'\\', u'_');
}

Text settingsKeyPath(TextView printerName) {
    return u"Software\\Vemar\\ZRT7Q\\" + replaceAll(printerName, u'\\', u',') + u"\\PSW";
}

}  // namespace zrt::statuswindow
