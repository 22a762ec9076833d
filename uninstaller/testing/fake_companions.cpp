#include "uninstaller/testing/fake_companions.h"

namespace zrt::un::testing {
namespace {

const char* actionName(ServiceAction action) {
    return action == ServiceAction::Stop ? "stop" : "start";
}

class FakePrinterList : public PrinterListWindow {
public:
    explicit FakePrinterList(FakePrinterLists& owner) : owner_(owner) {}
    void runModal() override { owner_.record.modal = true; }
    bool createHidden() override {
        owner_.record.hidden = !owner_.creationFails;
        return !owner_.creationFails;
    }
    WindowRef window() const override { return 0x4242; }
    int itemCount() override { return owner_.items; }
    void sendCommand(int id) override { owner_.record.commands.push_back(id); }
    void destroy() override { ++owner_.record.destroyed; }

private:
    FakePrinterLists& owner_;
};

}  // namespace

int FakeCompanions::controlOrvixSuiteService(ServiceAction action) {
    calls.push_back(std::string("suite ") + actionName(action));
    return suiteResult;
}

int FakeCompanions::controlKtmService(ServiceAction action) {
    calls.push_back(std::string("ktm ") + actionName(action));
    return ktmResult;
}

std::unique_ptr<PrinterListWindow> FakePrinterLists::make(UninstallerApp&) {
    ++record.made;
    return std::make_unique<FakePrinterList>(*this);
}

}  // namespace zrt::un::testing
