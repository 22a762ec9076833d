#include "bench_session.h"

#include "statuswindow/record/status_record_builder.h"
#include "testbed/install_printer/printer_install.h"

namespace zrt::bench {

namespace {

std::wstring settingsKey() { return std::wstring(L"Software\\Vemar\\ZRT7Q\\") + kBenchPrinter + L"\\PSW"; }

zrt::status::StatusRecordBuilder jobBuilder() {
    zrt::status::StatusRecordBuilder b;
    b.jobStatus(0x8)
        .jobId(12)
        .paperSource(1)
        .requestedPaper(9)
        .documentName(u"月次報告書.txt")
        .userName(u"taro")
        .computerName(u"\\\\PC1");
    return b;
}

}  // namespace

BenchPrinter::BenchPrinter() {
    testbed::PrinterSpec setup;
    setup.name = kBenchPrinter;
    testbed::removePrinter(setup.name);
    installed_ = testbed::installPrinter(setup) == ERROR_SUCCESS;
}

BenchPrinter::~BenchPrinter() { testbed::removePrinter(kBenchPrinter); }

bool BenchPrinter::setSetting(const wchar_t* name, DWORD value) const {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool ok =
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

std::vector<std::vector<std::uint8_t>> printingRecords(std::uint32_t count) {
    std::vector<std::vector<std::uint8_t>> records;
    for (std::uint32_t page = 1; page <= count; ++page)
        records.push_back(jobBuilder().totalPages(count).currentPage(page).pagesPrinted(page - 1).build());
    return records;
}

std::vector<std::uint8_t> paperOutRecord() {
    return jobBuilder().printerStatus(0x10000).warningStatus(0x40000000).totalPages(5).currentPage(3).pagesPrinted(2).build();
}

bool deliver(HWND window, const std::vector<std::uint8_t>& record) {
    COPYDATASTRUCT cds{1, static_cast<DWORD>(record.size()), const_cast<std::uint8_t*>(record.data())};
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 5000, &result) != 0;
}

}  // namespace zrt::bench
