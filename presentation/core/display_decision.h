// Which display id a status record or a connection code leads to: the two decision lists
// (a job being printed or not) and the connection codes. Pure, no allocation.
#pragma once

#include <cstdint>

#include "presentation/core/display_values.h"
#include "statuswindow/record/status_record.h"

namespace zrt::presentation {

// The fields of a status record the decision reads.
struct StatusFacts {
    std::uint32_t printer = 0;            // "Printer Status"
    std::uint32_t job = 0;                // "Job Status"
    std::uint32_t warning = 0;            // "Warning Status"
    std::uint32_t cartridge = 0;          // "Cartridge Status"
    std::uint32_t jam = 0;                // "Jam Status"
    std::uint32_t paperSource = 0;        // paper source of the job
    std::uint32_t totalPages = 0;
    std::uint32_t illegalConnection = 0;  // "IllegalConnection"
};

StatusFacts statusFacts(const status::StatusRecordView& record) noexcept;

// The display id of a status record: the first applicable rule of the list for a job being
// printed ("Job Status" 0x8) or of the list without one.
DisplayId decideDisplayId(const StatusFacts& facts) noexcept;

// The display id of a connection code: 0 -> 100, 1 -> 101, 2 -> 507, 3 -> 102, other -> 100.
DisplayId displayIdForConnectionCode(std::uint32_t code) noexcept;

}  // namespace zrt::presentation
