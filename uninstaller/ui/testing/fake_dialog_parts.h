// The printer list's controls and a run's user interface as plain records, for native tests:
// button states, rows (sorted by display name, as the list control sorts them), selection,
// focus, and what a run showed in its progress window.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "uninstaller/ui/printer_list/list_controls.h"
#include "uninstaller/ui/progress/run_ui.h"

namespace zrt::un::testing {

struct FakeRow {
    PrinterRow content;
    PrinterItem* item = nullptr;
    bool selected = false;
    bool focusState = false;
};

class FakeListControls final : public ListControls {
public:
    std::map<int, bool> enabled;  // controls never touched are absent
    std::map<int, bool> visible;
    int focused = 0;              // the control with the keyboard focus
    int initialFocusPosts = 0;
    int columnsMade = 0;
    int imagesDestroyed = 0;
    bool redraw = true;
    int waitCursor = 0;
    std::vector<FakeRow> rows;

    // The state of a button as the template starts it, before the dialog touches it.
    void startFromTemplate();
    bool isEnabled(int id) const;
    bool isVisible(int id) const;
    void select(int index, bool on) { rows.at(static_cast<std::size_t>(index)).selected = on; }

    void enable(int controlId, bool on) override { enabled[controlId] = on; }
    void show(int controlId, bool on) override { visible[controlId] = on; }
    void focus(int controlId) override { focused = controlId; }
    void postInitialFocus() override { ++initialFocusPosts; }
    void showWaitCursor(bool on) override { waitCursor += on ? 1 : -1; }
    void createColumnsAndImages() override { ++columnsMade; }
    void destroyImages() override { ++imagesDestroyed; }
    void setRedraw(bool on) override { redraw = on; }
    void repaintList() override {}
    int insertRow(const PrinterRow& row, PrinterItem* item) override;
    void deleteRow(int index) override;
    void deleteAllRows() override { rows.clear(); }
    int rowCount() override { return static_cast<int>(rows.size()); }
    PrinterItem* rowItem(int index) override;
    bool isSelected(int index) override;
    int selectedCount() override;
    void selectAll() override;
    bool hasFocusState(int index) override;
    void giveFocusState(int index) override;
};

struct ProgressRecord {
    bool created = false;
    bool destroyed = false;
    bool visible = false;
    std::string title, text;
    int position = 0, step = 0;
    std::vector<std::string> events;  // "show", "hide", "pos 20", "text ...", "repaint"
};

class FakeRunUi final : public RunUi {
public:
    bool progressFails = false;
    ProgressRecord progress;
    int flushes = 0;
    int dispatches = 0;
    int mainRepaints = 0;
    std::vector<unsigned> pauses;
    int waitCursor = 0;

    std::unique_ptr<ProgressWindow> createProgress() override;
    void FlushUserInput() override { ++flushes; }
    void dispatchPending() override { ++dispatches; }
    void pause(unsigned milliseconds) override { pauses.push_back(milliseconds); }
    void repaintMainWindow() override { ++mainRepaints; }
    void showWaitCursor(bool on) override { waitCursor += on ? 1 : -1; }
};

}  // namespace zrt::un::testing
