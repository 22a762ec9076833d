// The message-debug dialog's logic: its rows (the catalog's interactive messages) and the
// showing of the selected one with the test arguments of the message-debug file.
#pragma once

#include <string>
#include <vector>

#include "uninstaller/frame/message_catalog.h"

namespace zrt::un {

inline constexpr int kMessageDebugList = 1102;
inline constexpr int kMessageDebugShow = 1100;
inline constexpr const char* kMessageDebugIdColumn = "Sitring ID";
inline constexpr const char* kMessageDebugTextColumn = "Message String";
inline constexpr int kMessageDebugIdWidth = 200;
inline constexpr int kMessageDebugTextSlack = 220;  // the text column: client width less this

struct MessageDebugRow {
    std::string symbol;
    unsigned stringId = 0;
    std::string text;  // as the string table holds it, placeholders unconverted
};

// Every record of group 1, in table order.
std::vector<MessageDebugRow> messageDebugRows(const MessageCatalog& catalog, TextServices& text);

class MessageDebug {
public:
    explicit MessageDebug(MessageCatalog& catalog) : catalog_(catalog) {}

    // Switches the catalog's debug inputs on, for the rest of the process.
    void open() { catalog_.setDebugInputs(true); }
    void rowSelected(int row) { selectedRow_ = row; }
    int selectedRow() const { return selectedRow_; }
    // Shows the message of the selected row, its arguments from the message-debug file;
    // nothing while no row has been selected. The button pressed, or 0.
    int showSelected(WindowRef owner, const std::vector<MessageDebugRow>& rows);

private:
    MessageCatalog& catalog_;
    int selectedRow_ = -1;
};

}  // namespace zrt::un
