// How the stand-in answers SmPsw_DeviceRequest, from its settings (see standin_config.h):
//
//   DeviceRequest=0            every device request fails (default 1)
//   Device<code>=0|1           result of one request code (default: DeviceRequest)
//   Device<code>.Word=n        result word written when the caller gives no output buffer
//   Device<code>.Output=w ...  answer as 32-bit words (answer_values.h)
//   Device<code>.Bytes=bb ...  answer as hex bytes (wins over Output)
//   Device<code>.<selector>.Output / .Bytes / .Word
//                              the same for a request whose input starts with this 32-bit
//                              selector (requests 9 and 11); tried first
//
// The output buffer is zero-filled up to the caller's size, then the answer is copied into it,
// cut to that size; the size is left as the caller gave it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zrt::testbed {

struct DeviceAnswer {
    bool succeeds = true;
    std::uint32_t word = 0;
    std::vector<std::uint8_t> output;  // empty: zeros only
};

DeviceAnswer deviceAnswer(std::uint32_t code, std::optional<std::uint32_t> selector);

}  // namespace zrt::testbed
