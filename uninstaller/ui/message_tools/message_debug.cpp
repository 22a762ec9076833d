#include "uninstaller/ui/message_tools/message_debug.h"

namespace zrt::un {

std::vector<MessageDebugRow> messageDebugRows(const MessageCatalog& catalog, TextServices& text) {
    std::vector<MessageDebugRow> rows;
    for (const MessageRecord& record : catalog.records()) {
        if (record.stringId == 0) {
            break;
        }
        if (record.group == 1) {
            rows.push_back({record.symbol, record.stringId, text.loadString(record.stringId)});
        }
    }
    return rows;
}

int MessageDebug::showSelected(WindowRef owner, const std::vector<MessageDebugRow>& rows) {
    if (selectedRow_ < 0 || static_cast<std::size_t>(selectedRow_) >= rows.size()) {
        return 0;
    }
    return catalog_.show(owner, rows[static_cast<std::size_t>(selectedRow_)].stringId);
}

}  // namespace zrt::un
