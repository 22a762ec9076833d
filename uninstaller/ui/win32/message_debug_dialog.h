// The message-debug dialog (template 1104): the interactive messages of the catalog, each
// shown on request with the test arguments of the message-debug file.
#pragma once

#include <vector>

#include "uninstaller/frame/win32/dialog.h"
#include "uninstaller/frame/win32/list_view.h"
#include "uninstaller/ui/message_tools/message_debug.h"

namespace zrt::un::win32 {

class MessageDebugDialog final : public Dialog {
public:
    MessageDebugDialog(HINSTANCE instance, MessageCatalog& catalog, TextServices& text);

    const std::vector<MessageDebugRow>& rows() const { return rows_; }
    const MessageDebug& state() const { return debug_; }
    HWND list() const { return list_.hwnd(); }

private:
    bool onInitDialog() override;
    bool onCommand(int id, int notification) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void onListNotify(const NMHDR& header);

    TextServices& text_;
    MessageDebug debug_;
    MessageCatalog& catalog_;
    std::vector<MessageDebugRow> rows_;
    ListView list_;
};

}  // namespace zrt::un::win32
