#include "uninstaller/frame/message_dump.h"

#include "uninstaller/frame/message_catalog.h"

namespace zrt::un {

void writeMessageDump(TextServices& text, UninstallLog& log) {
    log.write(kDumpStartLine);
    for (const unsigned id : kDumpedMessages) {
        const std::string converted = convertPlaceholders(text.loadString(id));
        const std::vector<std::string> empty(static_cast<std::size_t>(countPlaceholders(converted)));
        auto formatted = empty.empty() ? Outcome<std::string>(converted)
                                       : text.formatMessage(converted, empty, kFormatBuffer);
        log.write(formatted ? formatted.value() : converted);
    }
    log.write(kDumpEndLine);
}

}  // namespace zrt::un
