// A thin wrapper of a report-view list control (8-bit messages).
#pragma once

#include <windows.h>

#include <string>

namespace zrt::un::win32 {

class ListView {
public:
    void attach(HWND control) { control_ = control; }
    HWND hwnd() const { return control_; }
    int itemCount() const;
    bool insertColumn(int index, const std::string& title, int width);
    // The new item's index, or -1.
    int insertItem(int index, const std::string& text, LPARAM data);
    bool setItemText(int index, int column, const std::string& text);
    LPARAM itemData(int index) const;
    bool isSelected(int index) const;
    void select(int index, bool selected);
    void selectAll();
    int selectedCount() const;
    void deleteAll();

private:
    HWND control_ = nullptr;
};

}  // namespace zrt::un::win32
