// A WindowCore over a RecordingHost, with short ways to build displays and records and to
// deliver them.
#pragma once

#include <gtest/gtest.h>

#include "recording_host.h"
#include "statuswindow/core/window_core.h"
#include "statuswindow/record/status_record_builder.h"

namespace zrt::statuswindow::testing {

inline Display displayOf(std::uint32_t id, std::uint32_t animationMode = animation_mode::kNone,
                         std::size_t frames = 0, std::optional<Text> sound = std::nullopt) {
    Display d;
    d.id = id;
    d.animationMode = animationMode;
    d.frameDurationsMs.assign(frames, 1000);
    d.sound = std::move(sound);
    d.headline = DisplayText{0, 0, 15, 400, 5000 + id, u"headline"};
    d.messages = {DisplayText{0, 0, 15, 400, 5400, u"message"}};
    return d;
}

inline std::vector<std::uint8_t> record(std::uint32_t printerStatus, std::uint32_t jobStatus,
                                        std::uint32_t currentPage = 0, std::uint32_t pagesPrinted = 0) {
    return status::StatusRecordBuilder()
        .printerStatus(printerStatus)
        .jobStatus(jobStatus)
        .currentPage(currentPage)
        .pagesPrinted(pagesPrinted)
        .totalPages(3)
        .documentName(u"report.txt")
        .build();
}

inline std::string listOf(const std::vector<Effect>& effects) {
    std::string s;
    for (const Effect& e : effects) s += describe(e) + "\n";
    return s;
}

class WindowCoreTest : public ::testing::Test {
protected:
    RecordingHost host;
    WindowCore core{host};

    void SetUp() override {
        core.state().printerName = u"KX";
        core.state().portText = u"LPT1:";
        core.setInitialDisplay(displayOf(101));
        host.window.visible = true;
        host.effects.clear();
    }

    void deliver(const std::vector<std::uint8_t>& data, const Display& d) {
        host.mapper = [d](std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t) { return d; };
        core.onDelivery(1, data.data(), data.size());
    }
    void deliverConnection(std::uint32_t code, const Display& d) {
        const std::vector<std::uint8_t> data = status::makeConnectionRecord(code);
        host.mapper = [d](std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t) { return d; };
        core.onDelivery(2, data.data(), data.size());
    }
    // Effects since the last call.
    std::vector<Effect> take() {
        std::vector<Effect> out;
        out.swap(host.effects);
        return out;
    }
};

}  // namespace zrt::statuswindow::testing
