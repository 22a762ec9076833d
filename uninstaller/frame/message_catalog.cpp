#include "uninstaller/frame/message_catalog.h"

#include "uninstaller/frame/uninstall_log.h"

namespace zrt::un {
namespace {

constexpr std::uint32_t kYesNo = 0x34;
constexpr std::uint32_t kOk = 0x30;
constexpr std::uint32_t kError = 0x10;

#define ZRT_WITH_ARGS(id, sym, title, type, group) {id, title, type, group, #sym, #sym}
#define ZRT_NO_ARGS(id, sym, title, type, group) {id, title, type, group, "0", #sym}

const std::vector<MessageRecord> kTable = {
    ZRT_WITH_ARGS(12, IDS_STRING_MSG1, 3, kYesNo, 1),
    ZRT_WITH_ARGS(13, IDS_STRING_MSG2, 3, kYesNo, 1),
    ZRT_WITH_ARGS(61, IDS_STRING_MSG4, 3, kYesNo, 1),
    ZRT_NO_ARGS(2, IDS_STRING_ERRMSG1, 3, kOk, 1),
    ZRT_WITH_ARGS(4, IDS_STRING_ERRMSG2, 3, kOk, 1),
    ZRT_NO_ARGS(9, IDS_STRING_ERRMSG3, 3, kOk, 1),
    ZRT_WITH_ARGS(11, IDS_STRING_ERRMSG4, 3, kOk, 1),
    ZRT_WITH_ARGS(16, IDS_STRING_ERRMSG5, 3, kOk, 1),
    ZRT_WITH_ARGS(18, IDS_STRING_ERRMSG6, 3, kYesNo, 1),
    ZRT_NO_ARGS(17, IDS_STRING_QL2ACTIVE, 3, kOk, 1),
    ZRT_NO_ARGS(25, IDS_STRING_OJMACTIVE, 3, kOk, 1),
    ZRT_NO_ARGS(30, IDS_STRING_FILENOTFOUND, 3, kOk, 1),
    ZRT_WITH_ARGS(31, IDS_STRING_PROFILEERROR, 3, kOk, 1),
    ZRT_NO_ARGS(32, IDS_STRING_CLEANUP_MSG, 3, kYesNo, 1),
    ZRT_WITH_ARGS(1108, IDS_STRING_ERR_WINFW1, 3, kOk, 1),
    ZRT_NO_ARGS(68, IDS_STRING_ERRMSG_EXEC_MODULE, 5, kError, 1),
    ZRT_NO_ARGS(1109, IDS_STRING_ERRMEMORY, 3, kOk, 1),
    ZRT_NO_ARGS(47, IDS_SILENT_ERROR1, 3, kOk, 2),
    ZRT_NO_ARGS(48, IDS_SILENT_ERROR2, 3, kOk, 2),
    ZRT_NO_ARGS(49, IDS_SILENT_ERROR3, 3, kOk, 2),
    ZRT_NO_ARGS(50, IDS_SILENT_ERROR4, 3, kOk, 2),
    ZRT_NO_ARGS(51, IDS_SILENT_ERROR5, 3, kOk, 2),
    ZRT_NO_ARGS(52, IDS_SILENT_ERROR6, 3, kOk, 2),
    ZRT_WITH_ARGS(14, IDS_STRING_MSG3, 3, kYesNo, 0),
    ZRT_NO_ARGS(33, IDS_STRING_CLEANUP_ERR, 3, kOk, 0),
    ZRT_NO_ARGS(34, IDS_STRING_KTMCLEANUP, 3, kYesNo, 0),
    ZRT_NO_ARGS(67, IDS_STRING_QIRACLEANUP, 3, kYesNo, 0),
    {0, 0, 0, 0, "0", ""},
};

#undef ZRT_WITH_ARGS
#undef ZRT_NO_ARGS

bool isPlaceholderLetter(char c) { return c == 's' || c == 'd' || c == 'x' || c == 'f'; }

std::string lineBreaksAsBlanks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // CR LF is one break
        }
        out += (text[i] == '\n' || text[i] == '\r') ? ' ' : text[i];
    }
    return out;
}

}  // namespace

const std::vector<MessageRecord>& messageTable() { return kTable; }

std::string convertPlaceholders(const std::string& text) {
    std::string out = text;
    int counter = 1;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == '%' && isPlaceholderLetter(out[i + 1])) {
            out[i + 1] = std::to_string(counter).front();
            ++counter;
        }
    }
    return out;
}

int countPlaceholders(const std::string& text) {
    int count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            ++count;
        }
    }
    return count;
}

const MessageRecord* MessageCatalog::find(unsigned stringId) const {
    for (const MessageRecord& record : kTable) {
        if (record.stringId == 0) {
            break;
        }
        if (record.stringId == stringId) {
            return &record;
        }
    }
    return nullptr;
}

std::string MessageCatalog::formatRecord(const MessageRecord& record,
                                         std::vector<std::string> arguments,
                                         bool useDebugInputs) {
    const std::string text = convertPlaceholders(machine_.text.loadString(record.stringId));
    const int count = countPlaceholders(text);
    if (count == 0) {
        return text;
    }
    arguments.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (useDebugInputs && i < 9) {
            arguments[i] = machine_.profiles.readString(
                programFolder_ + kDebugMessageFile, record.inputSection,
                "INPUT_0" + std::to_string(i + 1), "", kDebugInputBuffer);
        }
        if (arguments[i].size() >= kArgumentBuffer) {
            arguments[i].resize(kArgumentBuffer - 1);
        }
    }
    auto formatted = machine_.text.formatMessage(text, arguments, kFormatBuffer);
    return formatted ? formatted.value() : text;
}

std::string MessageCatalog::format(unsigned stringId, const std::vector<std::string>& arguments) {
    const MessageRecord* record = find(stringId);
    return record == nullptr ? std::string() : formatRecord(*record, arguments, false);
}

WindowRef MessageCatalog::boxOwner(WindowRef owner) {
    if (owner != kNoWindow) {
        return owner;
    }
    if (session_.mainWindow != kNoWindow) {
        if (const WindowRef up = machine_.desktop.ownerOrParent(session_.mainWindow)) {
            return up;
        }
    }
    return machine_.desktop.foregroundWindow();
}

int MessageCatalog::show(WindowRef owner, unsigned stringId,
                         const std::vector<std::string>& arguments) {
    const MessageRecord* record = find(stringId);
    if (record == nullptr) {
        return kAnswerCancel;
    }
    const std::string text = formatRecord(*record, arguments, debugInputs_);
    const std::string title = machine_.text.loadString(record->titleId);
    if (session_.silent) {
        if (session_.log != nullptr) {
            session_.log->write(title);
            session_.log->write(text);
        }
        return 0;
    }
    return machine_.boxes.show(boxOwner(owner), text, title, record->boxType);
}

int ask(Machine& machine, Session& session, const std::string& text, const std::string& title,
        std::uint32_t type) {
    if (!session.silent) {
        return machine.boxes.show(session.mainWindow, text, title, type);
    }
    if (session.log != nullptr) {
        session.log->write(title);
        session.log->write(lineBreaksAsBlanks(text));
        session.log->write("Yes");
    }
    return kAnswerYes;
}

void tellOrLog(Machine& machine, Session& session, const std::string& text, unsigned titleId,
               std::uint32_t type) {
    const std::string title = machine.text.loadString(titleId);
    if (session.silent) {
        if (session.log != nullptr) {
            session.log->write(title);
            session.log->write(text);
        }
        return;
    }
    machine.boxes.show(kNoWindow, text, title, type);
}

}  // namespace zrt::un
