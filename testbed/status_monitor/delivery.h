// What the stand-in sends for a scenario step: the WM_COPYDATA deliveries (kind, wParam,
// bytes) built through the status record builder. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "testbed/status_monitor/scenario.h"

namespace zrt::testbed {

// COPYDATASTRUCT.dwData, the message's wParam and the bytes lpData points to.
struct Delivery {
    std::uint32_t kind = 0;
    std::uintptr_t wParam = 0;
    std::vector<std::uint8_t> data;
};

// wParam of a normal delivery; the quit request uses status::kQuitRequestWParam.
inline constexpr std::uintptr_t kDeliveryWParam = 0;

// A status record holding every field, with the loaded-paper table and all three texts.
std::vector<std::uint8_t> statusRecordBytes(const StatusFields& fields);
// Zero-terminated UTF-16LE name.
std::vector<std::uint8_t> renameBytes(std::u16string_view newName);

// The WM_COPYDATA delivery of a step; none for a MessageStep, which is posted instead.
std::optional<Delivery> deliveryOf(const StepAction& action);

}  // namespace zrt::testbed
