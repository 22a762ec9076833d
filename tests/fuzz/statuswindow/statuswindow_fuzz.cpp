// Fuzz target of the status window's core: the command-line scan, and sequences of
// deliveries, timers and requests over arbitrary bytes (records, connection records, names).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "statuswindow/core/command_line.h"
#include "statuswindow/core/window_core.h"

namespace {

using namespace zrt::statuswindow;

class NoStrings : public ProgramStrings {
public:
    std::optional<Text> load(std::uint32_t id) const override {
        if (id % 3 == 0) return std::nullopt;
        return Text(u"%1!s!%2");
    }
};

// Answers from the fuzz input: the display's shape and the window facts.
class FuzzHost : public WindowHost {
public:
    explicit FuzzHost(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    void apply(const Effect& e) override {
        if (e.kind == EffectKind::Show || e.kind == EffectKind::ShowNoActivate) facts_.visible = true;
        if (e.kind == EffectKind::Hide) facts_.visible = false;
        if (e.kind == EffectKind::Minimize) facts_.minimized = true;
        if (e.kind == EffectKind::Restore) facts_.minimized = false;
    }
    WindowFacts facts() override { return facts_; }
    std::optional<Display> mapDisplay(std::uint32_t, const std::uint8_t*, std::size_t, std::uint32_t) override {
        const std::uint8_t b = next();
        if (b == 0) return std::nullopt;
        Display d;
        d.id = 100u + b;
        d.animationMode = b % 3;
        d.frameDurationsMs.assign(b % 7, 1000);
        d.headline = DisplayText{0, 0, 15, 400, 5300u + next(), u"%1!s!%2!s!%3"};
        for (int i = next() % 7; i > 0; --i) d.messages.push_back(DisplayText{0, 0, 15, 400, 5400u + next(), u"%1!s!%2!s!"});
        if (b & 1) d.sound = Text(u"PrinterError");
        return d;
    }
    bool requestStatus(std::uint32_t) override { return next() & 1; }
    std::uint32_t readSetting(TextView, std::uint32_t def) override { return next() & 1 ? 1 : def; }
    DumpFacts matchFacts(const zrt::status::StatusRecordView*) override { return {next() % 3u, next() & 1, next() & 1}; }
    std::optional<Text> derivePortText() override {
        if (next() & 1) return std::nullopt;
        return Text(u"LPT") + Text(1, static_cast<char16_t>(u'0' + next() % 3));
    }
    const ProgramStrings& strings() override { return strings_; }

private:
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    WindowFacts facts_;
    NoStrings strings_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The whole input as a command line.
    Text line;
    for (std::size_t i = 0; i + 1 < size; i += 2) line.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const CommandLineScan scan = scanCommandLine(line);
    (void)decideStart(scan);

    // The input as a sequence of events: [op][length][bytes...].
    FuzzHost host(data, size);
    WindowCore core(host);
    std::size_t pos = 0;
    while (pos + 2 <= size) {
        const std::uint8_t op = data[pos];
        const std::size_t length = std::min<std::size_t>(data[pos + 1] * 2u, size - pos - 2);
        const std::uint8_t* payload = data + pos + 2;
        pos += 2 + length;
        switch (op % 8) {
            case 0: case 1: case 2: case 3: core.onDelivery(op % 4, payload, length); break;
            case 4: core.onTimer(op / 8 % 14); break;
            case 5: core.onShowRequest(op / 8); break;
            case 6: core.onReset(); break;
            default: core.onUserInteraction(); break;
        }
        (void)core.visibleFrame();
    }
    core.onDestroy();
    return 0;
}
