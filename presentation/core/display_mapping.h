// Status-to-display mapping: which display a status record, a connection record or no data at
// all leads to. Pure functions without allocation or state; every field they read is in the
// fixed part of the status record (offsets::kFixedPartSize bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "presentation/core/display_decision.h"
#include "presentation/core/display_state.h"
#include "presentation/core/display_values.h"
#include "statuswindow/record/status_record.h"

namespace zrt::presentation {

// The complete display of a status record. previousId is the display id shown before; it
// only selects the sound of 301.
DisplayState displayForStatus(const status::StatusRecordView& record, std::uint32_t previousId) noexcept;
DisplayState displayForFacts(const StatusFacts& facts, std::uint32_t previousId) noexcept;

// The complete display of a connection record (a record too short for a code maps to 100).
DisplayState displayForConnection(const status::ConnectionRecordView& record) noexcept;

// The display when no data came with the request: 101, status being acquired.
DisplayState displayForNoData() noexcept;

// The display of a bare row: table values only, no variant and no notes.
DisplayState displayForRow(DisplayId id) noexcept;

// What PSM_GetPSWDisplay computes. kind 0: data is a status record; kind 1: a connection
// record; data nullptr: no data (101). nullopt for any other kind: the caller then returns 0
// and leaves its display record as it was. size is the number of readable bytes at data.
std::optional<DisplayState> mapDisplay(std::uint32_t kind, const std::uint8_t* data, std::size_t size,
                                       std::uint32_t previousId) noexcept;

}  // namespace zrt::presentation
