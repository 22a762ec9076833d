// Helpers of the mapping tests: a record described by its fields, mapped the way the library
// does it (through the bytes of a built record), and printable message lists.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "presentation/core/display_mapping.h"
#include "statuswindow/record/status_record_builder.h"

namespace zrt::presentation::testing {

// The fields the decision reads. Positional, most used first, so that rows stay short:
// {P, J, W, T, C, Jm, total pages, IC}.
struct Fields {
    std::uint32_t printer = 0;
    std::uint32_t job = 0;
    std::uint32_t warning = 0;
    std::uint32_t source = 0;
    std::uint32_t cartridge = 0;
    std::uint32_t jam = 0;
    std::uint32_t totalPages = 0;
    std::uint32_t illegalConnection = 0;
};

inline std::vector<std::uint8_t> buildRecord(const Fields& f) {
    return status::StatusRecordBuilder()
        .printerStatus(f.printer)
        .jobStatus(f.job)
        .warningStatus(f.warning)
        .paperSource(f.source)
        .cartridgeStatus(f.cartridge)
        .jamStatus(f.jam)
        .totalPages(f.totalPages)
        .illegalConnection(f.illegalConnection)
        .documentName(u"doc")
        .build();
}

// Maps a record with these fields as a kind-0 request.
inline DisplayState mapFields(const Fields& f, std::uint32_t previousId = 0) {
    const auto bytes = buildRecord(f);
    const auto state = mapDisplay(0, bytes.data(), bytes.size(), previousId);
    return state ? *state : DisplayState{};
}

inline std::string describe(const MessageList& list) {
    std::ostringstream out;
    out << "[";
    for (std::size_t i = 0; i < list.size(); ++i) out << (i ? ", " : "") << list[i];
    out << "]";
    return out.str();
}

inline std::string describe(const std::vector<std::uint32_t>& list) {
    std::ostringstream out;
    out << "[";
    for (std::size_t i = 0; i < list.size(); ++i) out << (i ? ", " : "") << list[i];
    out << "]";
    return out.str();
}

inline std::vector<std::uint32_t> toVector(const MessageList& list) {
    return std::vector<std::uint32_t>(list.begin(), list.end());
}

}  // namespace zrt::presentation::testing
