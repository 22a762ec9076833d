#include "tests/support/win32/help_calls.h"

#include <cstddef>
#include <utility>

namespace zrt::testing {

namespace {

// A pair list longer than this has lost its end.
constexpr std::size_t kMostPairValues = 64;

}  // namespace

std::vector<HelpCallRecord>& recordedHelpCalls() {
    static std::vector<HelpCallRecord> calls;
    return calls;
}

BOOL WINAPI recordHelpCall(HWND window, LPCWSTR file, UINT command, ULONG_PTR data) {
    HelpCallRecord r{window, file != nullptr ? file : L"", command, data, {}};
    if (command == HELP_CONTEXTMENU && data != 0) {
        const auto* pairs = reinterpret_cast<const DWORD*>(data);
        for (std::size_t i = 0; i < kMostPairValues; i += 2) {
            r.pairs.push_back(pairs[i]);
            r.pairs.push_back(pairs[i + 1]);
            if (pairs[i] == 0 && pairs[i + 1] == 0) break;
        }
    }
    recordedHelpCalls().push_back(std::move(r));
    return TRUE;
}

}  // namespace zrt::testing
