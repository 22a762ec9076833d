#include "testbed/status_monitor/device_answer.h"

#include <string>

#include "testbed/status_monitor/answer_values.h"
#include "testbed/status_monitor/standin_config.h"

namespace zrt::testbed {
namespace {

// The answer bytes under key prefix (".Bytes" wins over ".Output"); none when neither is set
// or the value is malformed.
std::optional<std::vector<std::uint8_t>> answerBytes(const std::wstring& prefix) {
    if (auto bytes = setting(prefix + L".Bytes")) return parseByteList(toUtf8(*bytes));
    if (auto words = setting(prefix + L".Output")) return parseWordList(toUtf8(*words));
    return std::nullopt;
}

}  // namespace

DeviceAnswer deviceAnswer(std::uint32_t code, std::optional<std::uint32_t> selector) {
    const std::wstring base = L"Device" + std::to_wstring(code);
    DeviceAnswer answer;
    answer.succeeds = settingNumber(base, settingNumber(L"DeviceRequest", 1)) != 0;
    answer.word = settingNumber(base + L".Word", 0);
    std::optional<std::vector<std::uint8_t>> bytes;
    if (selector) {
        const std::wstring withSelector = base + L"." + std::to_wstring(*selector);
        answer.word = settingNumber(withSelector + L".Word", answer.word);
        bytes = answerBytes(withSelector);
    }
    if (!bytes) bytes = answerBytes(base);
    if (bytes) answer.output = std::move(*bytes);
    return answer;
}

}  // namespace zrt::testbed
