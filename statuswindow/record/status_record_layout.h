// Layout of the deliveries that the status-monitor library sends to the status window as
// WM_COPYDATA, shared by the status window, the presentation library and the test stand-in.
// Portable: plain numbers only.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zrt::status {

// COPYDATASTRUCT.dwData of a delivery.
enum class DeliveryKind : std::uint32_t {
    StatusRecord = 1,      // status record, cbData bytes
    ConnectionRecord = 2,  // no status available; second 32-bit field is a ConnectionCode
    PrinterRenamed = 3,    // new printer name, zero-terminated wide text
};

// WM_COPYDATA with this wParam is not a delivery but the quit request.
inline constexpr std::uintptr_t kQuitRequestWParam = 1027;

// Code in the second 32-bit field of a connection record.
enum class ConnectionCode : std::uint32_t {
    PortNotSupported = 0,
    StatusBeingAcquired = 1,
    PortInUse = 2,
    PrintServerError = 3,
};
inline constexpr std::size_t kConnectionCodeOffset = 0x04;
// Size of a connection record: an unused field, then the code.
inline constexpr std::size_t kConnectionRecordSize = 0x08;

// Byte offsets of the little-endian 32-bit fields of a status record.
namespace offsets {
inline constexpr std::size_t kPrinterStatus = 0x04;
inline constexpr std::size_t kServiceCallStatus = 0x08;
inline constexpr std::size_t kJobStatus = 0x0C;
inline constexpr std::size_t kWarningStatus = 0x10;
inline constexpr std::size_t kCartridgeStatus = 0x14;
inline constexpr std::size_t kJamStatus = 0x18;
inline constexpr std::size_t kPaperSource = 0x28;          // 0 multi-purpose tray, 1 cassette 1
inline constexpr std::size_t kLoadedPaperTable = 0x34;     // offset of the loaded-paper codes
inline constexpr std::size_t kJobId = 0x3C;
inline constexpr std::size_t kTotalPages = 0x40;
inline constexpr std::size_t kCurrentPage = 0x44;
inline constexpr std::size_t kPagesPrinted = 0x48;
inline constexpr std::size_t kPrintingPhase = 0x4C;
inline constexpr std::size_t kRequestedPaper = 0x5C;
inline constexpr std::size_t kComputerName = 0x64;         // offset of wide text
inline constexpr std::size_t kUserName = 0x68;             // offset of wide text
inline constexpr std::size_t kDocumentName = 0x6C;         // offset of wide text
inline constexpr std::size_t kIllegalConnection = 0x7C;
// Size of the fixed part: every field above lies before it; variable text follows.
inline constexpr std::size_t kFixedPartSize = 0x80;
}  // namespace offsets

// Paper sources indexing the loaded-paper table.
enum class PaperSource : std::uint32_t { MultiPurposeTray = 0, Cassette1 = 1 };
// Size of one loaded-paper table entry (a 32-bit paper code) and the number of sources.
inline constexpr std::size_t kLoadedPaperEntrySize = 4;
inline constexpr std::size_t kLoadedPaperSourceCount = 2;

// "Printer Status" bits.
namespace printer_status {
inline constexpr std::uint32_t kPortNotSupported = 0x80000000;
inline constexpr std::uint32_t kPortUsedByOtherDevice = 0x20000000;
inline constexpr std::uint32_t kNetworkBoardError = 0x10000000;
inline constexpr std::uint32_t kCommunicationError = 0x08000000;
inline constexpr std::uint32_t kIncompatiblePrinter = 0x04000000;
inline constexpr std::uint32_t kUsedByOtherJob = 0x02000000;
inline constexpr std::uint32_t kServiceError = 0x01000000;
inline constexpr std::uint32_t kPaperJam = 0x00800000;
inline constexpr std::uint32_t kCoverOpen = 0x00400000;
inline constexpr std::uint32_t kDrumMissing = 0x00200000;
inline constexpr std::uint32_t kPaperToBeReset = 0x00100000;
inline constexpr std::uint32_t kPaperDiffers = 0x00080000;
inline constexpr std::uint32_t kPaperDiffersCassette = 0x00040000;
inline constexpr std::uint32_t kPaperOutNoSource = 0x00020000;
inline constexpr std::uint32_t kPaperOutAtSource = 0x00010000;
inline constexpr std::uint32_t kPrintingInterrupted = 0x00008000;
inline constexpr std::uint32_t kMemoryLow = 0x00004000;
inline constexpr std::uint32_t kCleaning = 0x00002000;
inline constexpr std::uint32_t kPreparing = 0x00001000;
inline constexpr std::uint32_t kDiskSpaceLow = 0x00000200;
inline constexpr std::uint32_t kTonerExchange = 0x00000100;
inline constexpr std::uint32_t kMisplaced = 0x00000080;
inline constexpr std::uint32_t kEndOfLife = 0x00000040;
inline constexpr std::uint32_t kTonerEndOfLife = 0x00000020;
inline constexpr std::uint32_t kUnsuitableToner = 0x00000010;
inline constexpr std::uint32_t kCleaningPage = 0x00000008;
inline constexpr std::uint32_t kCleaningAboutToStart = 0x00000004;
inline constexpr std::uint32_t kPaused = 0x00000001;
// Every bit except 0x40000000, 0x4000, 0x200, 0x8, 0x2 and 0x1.
inline constexpr std::uint32_t kErrorMask = 0xBFFFBDF4;
}  // namespace printer_status

// "Job Status" bits.
namespace job_status {
inline constexpr std::uint32_t kEnded = 0x00000001;      // with kFinished: the job has ended
inline constexpr std::uint32_t kFinished = 0x00000002;
inline constexpr std::uint32_t kCancelled = 0x00000004;
inline constexpr std::uint32_t kPrinting = 0x00000008;
inline constexpr std::uint32_t kBeingCancelled = 0x00000100;
inline constexpr std::uint32_t kActiveMask = 0x00001008;
inline constexpr std::uint32_t kAnnounced = 0x00010000;
}  // namespace job_status

// "Warning Status" bits.
namespace warning_status {
inline constexpr std::uint32_t kTrayEmpty = 0x80000000;
inline constexpr std::uint32_t kCassette1Empty = 0x40000000;
inline constexpr std::uint32_t kCartridgeNearsReplacement = 0x008003C0;
inline constexpr std::uint32_t kTonerToReplace = 0x0000F000;
inline constexpr std::uint32_t kTonerBlack = 0x1000;
inline constexpr std::uint32_t kTonerCyan = 0x2000;
inline constexpr std::uint32_t kTonerMagenta = 0x4000;
inline constexpr std::uint32_t kTonerYellow = 0x8000;
}  // namespace warning_status

}  // namespace zrt::status
