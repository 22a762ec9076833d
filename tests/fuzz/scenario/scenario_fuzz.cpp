// Scenario text in, steps or one problem out; a status step's record holds its fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "statuswindow/record/status_record.h"
#include "testbed/status_monitor/delivery.h"
#include "testbed/status_monitor/scenario.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkRecord(const zrt::testbed::StatusFields& f, const std::vector<std::uint8_t>& bytes) {
    const zrt::status::StatusRecordView view(bytes.data(), bytes.size());
    require(view.printerStatus() == f.printer && view.jobStatus() == f.job);
    require(view.warningStatus() == f.warning && view.jamStatus() == f.jam);
    require(view.jobId() == f.jobId && view.currentPage() == f.current);
    require(view.loadedPaper(1U) == f.paperCassette1);
    // A text that holds a NUL reads back up to it.
    const auto cut = [](const std::u16string& s) { return std::u16string_view(s).substr(0, s.find(u'\0')); };
    require(view.documentName() == cut(f.document));
    require(view.userName() == cut(f.user) && view.computerName() == cut(f.computer));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zrt::testbed::ScenarioParse parsed = zrt::testbed::parseScenario(text);
    if (!parsed.ok()) {
        require(parsed.steps.empty() && parsed.problem->line >= 1);
        return 0;
    }
    std::uint32_t last = 0;
    for (const auto& step : parsed.steps) {
        require(step.atMs >= last);
        last = step.atMs;
        const auto delivery = zrt::testbed::deliveryOf(step.action);
        if (const auto* fields = std::get_if<zrt::testbed::StatusFields>(&step.action)) {
            require(delivery.has_value() && delivery->kind == 1);
            checkRecord(*fields, delivery->data);
        }
    }
    return 0;
}
