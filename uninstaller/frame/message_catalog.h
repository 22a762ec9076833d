// The catalog of messages the uninstaller gives its user: shown in a box, or written to the log
// in silent mode; and the silent-aware question.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uninstaller/frame/session.h"
#include "uninstaller/frame/system/machine.h"

namespace zrt::un {

inline constexpr const char* kDebugMessageFile = "DebugMessage_Uninst.ini";
inline constexpr std::size_t kArgumentBuffer = 1024;
inline constexpr std::size_t kFormatBuffer = 1024;
inline constexpr std::size_t kDebugInputBuffer = 260;

struct MessageRecord {
    unsigned stringId;
    unsigned titleId;
    std::uint32_t boxType;
    int group;
    const char* inputSection;  // "0" for a message without arguments
    const char* symbol;
};

// The table in its order, ending with a record whose string id is 0.
const std::vector<MessageRecord>& messageTable();

// "%s", "%d", "%x", "%f" become "%1", "%2", ... by a running counter (its first digit).
std::string convertPlaceholders(const std::string& text);
// Each "%" followed by a digit 1 to 9.
int countPlaceholders(const std::string& text);

class MessageCatalog {
public:
    MessageCatalog(Machine& machine, Session& session) : machine_(machine), session_(session) {}

    // The button pressed; 0 in silent mode; kAnswerCancel for an id without a record.
    int show(WindowRef owner, unsigned stringId, const std::vector<std::string>& arguments = {});
    std::string format(unsigned stringId, const std::vector<std::string>& arguments = {});
    const MessageRecord* find(unsigned stringId) const;
    const std::vector<MessageRecord>& records() const { return messageTable(); }

    void setDebugInputs(bool on) { debugInputs_ = on; }
    bool debugInputs() const { return debugInputs_; }
    // The folder that holds the message-debug file, ending in a backslash.
    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

private:
    std::string formatRecord(const MessageRecord& record, std::vector<std::string> arguments,
                             bool useDebugInputs);
    WindowRef boxOwner(WindowRef owner);

    Machine& machine_;
    Session& session_;
    bool debugInputs_ = false;
    std::string programFolder_;
};

// Interactive: a box owned by the main window, returning the button. Silent: three log lines
// (the title, the text with its line breaks as blanks, "Yes") and kAnswerYes.
int ask(Machine& machine, Session& session, const std::string& text, const std::string& title,
        std::uint32_t type);

// Silent: the title of `titleId` and the text as two log lines; otherwise a box without owner.
void tellOrLog(Machine& machine, Session& session, const std::string& text, unsigned titleId,
               std::uint32_t type);

}  // namespace zrt::un
