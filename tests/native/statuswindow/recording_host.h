// A WindowHost that records every effect and plays the window's part in memory: show, hide,
// minimise and restore change what facts() answers; the display mapping, the status request,
// settings and match facts are scripted by the test.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "rc_string_table.h"
#include "statuswindow/core/window_core.h"
#include "statuswindow/record/status_record.h"

namespace zrt::statuswindow::testing {

class RecordingHost : public WindowHost {
public:
    RecordingHost() : strings_(RcStringTable::fromRepository()) {}

    void apply(const Effect& e) override {
        effects.push_back(e);
        switch (e.kind) {
            case EffectKind::Show:
            case EffectKind::ShowNoActivate: window.visible = true; break;
            case EffectKind::Hide: window.visible = false; break;
            case EffectKind::Minimize: window.minimized = true; break;
            case EffectKind::Restore: window.minimized = false; break;
            default: break;
        }
    }
    WindowFacts facts() override { return window; }
    std::optional<Display> mapDisplay(std::uint32_t previousId, const std::uint8_t* data, std::size_t size,
                                      std::uint32_t kind) override {
        mapCalls.push_back({previousId, kind});
        if (!mapper) return std::nullopt;
        return mapper(previousId, data, size, kind);
    }
    bool requestStatus(std::uint32_t flag) override {
        statusRequests.push_back(flag);
        if (onStatusRequest) onStatusRequest();
        return statusAccepted;
    }
    std::uint32_t readSetting(TextView name, std::uint32_t defaultValue) override {
        const auto it = settings.find(Text(name));
        return it == settings.end() ? defaultValue : it->second;
    }
    DumpFacts matchFacts(const status::StatusRecordView*) override { return match; }
    std::optional<Text> derivePortText() override { return derivedPort; }
    const ProgramStrings& strings() override { return strings_; }
    RcStringTable& table() { return strings_; }

    // Effects of the given kinds only, in order.
    std::vector<Effect> only(std::initializer_list<EffectKind> kinds) const {
        std::vector<Effect> out;
        for (const Effect& e : effects)
            for (EffectKind k : kinds)
                if (e.kind == k) out.push_back(e);
        return out;
    }
    bool has(const Effect& e) const {
        for (const Effect& x : effects)
            if (x == e) return true;
        return false;
    }

    struct MapCall {
        std::uint32_t previousId;
        std::uint32_t kind;
    };

    std::vector<Effect> effects;
    WindowFacts window;
    std::function<std::optional<Display>(std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t)> mapper;
    std::vector<MapCall> mapCalls;
    std::vector<std::uint32_t> statusRequests;
    std::function<void()> onStatusRequest;
    bool statusAccepted = true;
    std::map<Text, std::uint32_t> settings;
    DumpFacts match{1, 0, 0};
    std::optional<Text> derivedPort;

private:
    RcStringTable strings_;
};

}  // namespace zrt::statuswindow::testing
