#include "uninstaller/ui/testing/fake_dialog_parts.h"

#include <algorithm>

#include "uninstaller/ui/printer_list/list_ids.h"

namespace zrt::un::testing {

void FakeListControls::startFromTemplate() {
    for (const int id : {kCommandCleanup, kCommandClose, kMessageDebugButton, kProgressDebugButton,
                         kPrinterListView}) {
        enabled[id] = true;
        visible[id] = true;
    }
    for (const int id : {kCommandSelectAll, kCommandDelete}) {
        enabled[id] = false;
        visible[id] = true;
    }
}

bool FakeListControls::isEnabled(int id) const {
    const auto it = enabled.find(id);
    return it != enabled.end() && it->second;
}

bool FakeListControls::isVisible(int id) const {
    const auto it = visible.find(id);
    return it != visible.end() && it->second;
}

int FakeListControls::insertRow(const PrinterRow& row, PrinterItem* item) {
    // Sorted ascending by display name; equal names after the earlier ones.
    const auto at = std::upper_bound(rows.begin(), rows.end(), row.displayName,
                                     [](const std::string& name, const FakeRow& r) {
                                         return name < r.content.displayName;
                                     });
    const auto index = at - rows.begin();
    rows.insert(at, FakeRow{row, item, false, false});
    return static_cast<int>(index);
}

void FakeListControls::deleteRow(int index) {
    rows.erase(rows.begin() + index);
}

PrinterItem* FakeListControls::rowItem(int index) {
    return index >= 0 && index < rowCount() ? rows[static_cast<std::size_t>(index)].item : nullptr;
}

bool FakeListControls::isSelected(int index) {
    return index >= 0 && index < rowCount() && rows[static_cast<std::size_t>(index)].selected;
}

int FakeListControls::selectedCount() {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const FakeRow& r) { return r.selected; }));
}

void FakeListControls::selectAll() {
    for (FakeRow& row : rows) {
        row.selected = true;
    }
}

bool FakeListControls::hasFocusState(int index) {
    return index >= 0 && index < rowCount() && rows[static_cast<std::size_t>(index)].focusState;
}

void FakeListControls::giveFocusState(int index) {
    for (int i = 0; i < rowCount(); ++i) {
        rows[static_cast<std::size_t>(i)].focusState = i == index;
    }
}

namespace {

class FakeProgressWindow final : public ProgressWindow {
public:
    explicit FakeProgressWindow(ProgressRecord& record) : record_(record) {
        record_.created = true;
        record_.destroyed = false;
    }
    ~FakeProgressWindow() override { record_.destroyed = true; }
    void setTitle(const std::string& text) override { record_.title = text; }
    void setText(const std::string& text) override {
        record_.text = text;
        record_.events.push_back("text " + text);
    }
    void setPos(int position) override {
        record_.position = position;
        record_.events.push_back("pos " + std::to_string(position));
    }
    void setStep(int step) override { record_.step = step; }
    void stepIt() override { record_.position += record_.step; }
    void show() override {
        record_.visible = true;
        record_.events.push_back("show");
    }
    void hide() override {
        record_.visible = false;
        record_.events.push_back("hide");
    }
    void activate() override {}
    void repaint() override { record_.events.push_back("repaint"); }

private:
    ProgressRecord& record_;
};

}  // namespace

std::unique_ptr<ProgressWindow> FakeRunUi::createProgress() {
    if (progressFails) {
        return nullptr;
    }
    return std::make_unique<FakeProgressWindow>(progress);
}

}  // namespace zrt::un::testing
