// What the printer list's logic needs of its dialog: the buttons, the list control and its
// rows. The Win32 dialog implements it over its controls; tests over a plain record.
#pragma once

#include "uninstaller/ui/printer_list/printer_item.h"

namespace zrt::un {

class ListControls {
public:
    virtual ~ListControls() = default;
    // Buttons (and the list, by its id, for focus).
    virtual void enable(int controlId, bool on) = 0;
    virtual void show(int controlId, bool on) = 0;
    virtual void focus(int controlId) = 0;
    virtual void postInitialFocus() = 0;  // WM_USER + 1 to the dialog
    virtual void showWaitCursor(bool on) = 0;
    // The columns and the image list, made once at initialisation; released by finish.
    virtual void createColumnsAndImages() = 0;
    virtual void destroyImages() = 0;
    // Rows. The list sorts them by display name; item data is the row's PrinterItem.
    virtual void setRedraw(bool on) = 0;
    virtual void repaintList() = 0;
    virtual int insertRow(const PrinterRow& row, PrinterItem* item) = 0;
    virtual void deleteRow(int index) = 0;
    virtual void deleteAllRows() = 0;
    virtual int rowCount() = 0;
    virtual PrinterItem* rowItem(int index) = 0;
    virtual bool isSelected(int index) = 0;
    virtual int selectedCount() = 0;
    virtual void selectAll() = 0;
    virtual bool hasFocusState(int index) = 0;
    virtual void giveFocusState(int index) = 0;
};

}  // namespace zrt::un
