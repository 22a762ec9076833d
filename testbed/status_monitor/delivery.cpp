#include "testbed/status_monitor/delivery.h"

#include "statuswindow/record/status_record_builder.h"

namespace zrt::testbed {

std::vector<std::uint8_t> statusRecordBytes(const StatusFields& f) {
    status::StatusRecordBuilder builder;
    builder.printerStatus(f.printer)
        .serviceCallStatus(f.serviceCall)
        .jobStatus(f.job)
        .warningStatus(f.warning)
        .cartridgeStatus(f.cartridge)
        .jamStatus(f.jam)
        .paperSource(f.source)
        .jobId(f.jobId)
        .totalPages(f.total)
        .currentPage(f.current)
        .pagesPrinted(f.printed)
        .printingPhase(f.phase)
        .requestedPaper(f.requestedPaper)
        .illegalConnection(f.illegal)
        .loadedPaper(f.paperTray, f.paperCassette1)
        .computerName(f.computer)
        .userName(f.user)
        .documentName(f.document);
    return builder.build();
}

std::vector<std::uint8_t> renameBytes(std::u16string_view newName) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve((newName.size() + 1) * 2);
    for (char16_t c : newName) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFFU));
        bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFFU));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

namespace {

constexpr std::uint32_t kindNumber(status::DeliveryKind kind) {
    return static_cast<std::uint32_t>(kind);
}

struct DeliveryVisitor {
    std::optional<Delivery> operator()(const StatusFields& f) const {
        return Delivery{kindNumber(status::DeliveryKind::StatusRecord), kDeliveryWParam,
                        statusRecordBytes(f)};
    }
    std::optional<Delivery> operator()(const ConnectionStep& c) const {
        return Delivery{kindNumber(status::DeliveryKind::ConnectionRecord), kDeliveryWParam,
                        status::makeConnectionRecord(c.code)};
    }
    std::optional<Delivery> operator()(const RenameStep& r) const {
        return Delivery{kindNumber(status::DeliveryKind::PrinterRenamed), kDeliveryWParam,
                        renameBytes(r.newName)};
    }
    std::optional<Delivery> operator()(const MessageStep&) const { return std::nullopt; }
    std::optional<Delivery> operator()(const QuitRequestStep&) const {
        return Delivery{0, status::kQuitRequestWParam, {}};
    }
};

}  // namespace

std::optional<Delivery> deliveryOf(const StepAction& action) {
    return std::visit(DeliveryVisitor{}, action);
}

}  // namespace zrt::testbed
