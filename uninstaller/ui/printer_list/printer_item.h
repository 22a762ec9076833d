// The record behind each row of the printer list, and the fixed numbers of its state word,
// flags and images.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zrt::un {

// Row kinds (the high 16 bits of the state word).
inline constexpr std::uint32_t kKindPrinter = 0x0100;     // a printer, or a connection by its own name
inline constexpr std::uint32_t kKindConnection = 0x1000;  // a connection whose server is named apart
// Run marks (the low 16 bits), set by the runs.
inline constexpr std::uint32_t kMarkNone = 0;
inline constexpr std::uint32_t kMarkKept = 1;
inline constexpr std::uint32_t kMarkDeleted = 16;

// Row flags.
inline constexpr std::uint32_t kFlagNetwork = 0x01;
inline constexpr std::uint32_t kFlagFilePort = 0x02;
inline constexpr std::uint32_t kFlagSharedLocal = 0x10;

// Images of the list: local, network, "FILE:" port, the same three as default printer, and
// the overlay of shared printers.
inline constexpr int kImageLocal = 0;
inline constexpr int kImageNetwork = 1;
inline constexpr int kImageFilePort = 2;
inline constexpr int kImageDefaultOffset = 3;
inline constexpr int kImageSharedOverlay = 6;
// SHELL32.DLL icon resource ids, in image-list order.
inline constexpr std::array<int, 8> kShellIconIds = {17, 140, 141, 168, 169, 170, 29, 29};

struct PrinterItem {
    std::uint32_t state = 0;
    std::string printerName;  // the spooler's name, for every printer call
    std::string shortName;    // the name shown in messages
    std::uint32_t flags = 0;

    std::uint32_t kind() const { return state >> 16; }
    std::uint32_t mark() const { return state & 0xFFFFu; }
    void setKind(std::uint32_t kind) { state = (kind << 16) | mark(); }
    void setMark(std::uint32_t mark) { state = (state & 0xFFFF0000u) | (mark & 0xFFFFu); }
};

// One row as the list shows it.
struct PrinterRow {
    std::string displayName;  // column 0
    std::string driverName;   // column 1
    std::string versionText;  // column 2
    int image = kImageLocal;
    PrinterItem item;
};

}  // namespace zrt::un
