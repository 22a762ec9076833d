// The printer list (template 102), the uninstaller's main window: the rows of the family's
// printers drawn by the dialog itself, the buttons, the runs behind them and the two
// message-debug tools. Modal in interactive mode; hidden and commanded in silent mode.
#pragma once

#include <memory>

#include "uninstaller/frame/printer_list_window.h"
#include "uninstaller/frame/uninstaller_app.h"
#include "uninstaller/frame/win32/dialog.h"
#include "uninstaller/frame/win32/list_view.h"
#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/printer_list/printer_list.h"
#include "uninstaller/ui/printer_list/printer_list_runs.h"
#include "uninstaller/ui/win32/image_list.h"
#include "uninstaller/ui/win32/printer_row_painter.h"
#include "uninstaller/ui/win32/win32_run_ui.h"

namespace zrt::un::win32 {

inline constexpr UINT kInitialFocusMessage = WM_USER + kInitialFocusOffset;

// What the dialog works with: the list's context (the application object's state), the
// message catalog and the runs behind its buttons.
struct PrinterListDialogContext {
    PrinterListContext list;
    MessageCatalog& messages;
    const ProductFileNames& names;
    PrinterListRuns& runs;
};

class PrinterListDialog final : public Dialog, public PrinterListWindow, public ListControls {
public:
    PrinterListDialog(HINSTANCE instance, PrinterListDialogContext context);
    ~PrinterListDialog() override;

    // PrinterListWindow
    void runModal() override;
    bool createHidden() override;
    WindowRef window() const override;
    int itemCount() override { return list_.itemCount(); }
    void sendCommand(int id) override { Dialog::sendCommand(id); }
    void destroy() override;

    PrinterList* core() { return core_.get(); }
    HIMAGELIST images() const { return images_.get(); }
    HWND list() const { return list_.hwnd(); }

private:
    // Dialog
    bool onInitDialog() override;
    bool onCommand(int id, int notification) override;
    void onDestroy() override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    INT_PTR onListNotify(const NMHDR& header, bool& handled);
    void closeList();
    void runMessageDebug();
    void runLocalizationCheck();

    // ListControls
    void enable(int controlId, bool on) override;
    void show(int controlId, bool on) override;
    void focus(int controlId) override;
    void postInitialFocus() override;
    void showWaitCursor(bool on) override;
    void createColumnsAndImages() override;
    void destroyImages() override;
    void setRedraw(bool on) override;
    void repaintList() override;
    int insertRow(const PrinterRow& row, PrinterItem* item) override;
    void deleteRow(int index) override;
    void deleteAllRows() override { list_.deleteAll(); }
    int rowCount() override { return list_.itemCount(); }
    PrinterItem* rowItem(int index) override;
    bool isSelected(int index) override { return list_.isSelected(index); }
    int selectedCount() override { return list_.selectedCount(); }
    void selectAll() override { list_.selectAll(); }
    bool hasFocusState(int index) override;
    void giveFocusState(int index) override;

    HINSTANCE instance_;
    PrinterListDialogContext context_;
    ListView list_;
    ImageList images_;
    std::unique_ptr<PrinterRowPainter> painter_;
    HICON icon_ = nullptr;
    std::unique_ptr<Win32RunUi> runUi_;
    std::unique_ptr<PrinterList> core_;
};

// Makes the program's printer list over the application object's state.
class PrinterListDialogs final : public PrinterListFactory {
public:
    PrinterListDialogs(HINSTANCE instance, PrinterListRuns& runs,
                       SpoolerDependentsRestart& dependentsRestart)
        : instance_(instance), runs_(runs), dependentsRestart_(dependentsRestart) {}
    std::unique_ptr<PrinterListWindow> make(UninstallerApp& app) override;

private:
    HINSTANCE instance_;
    PrinterListRuns& runs_;
    SpoolerDependentsRestart& dependentsRestart_;
};

}  // namespace zrt::un::win32
