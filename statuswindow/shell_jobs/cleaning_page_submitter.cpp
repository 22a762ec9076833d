#include "statuswindow/shell_jobs/cleaning_page_submitter.h"

#include <windows.h>
#include <winspool.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "statuswindow/shell/handles.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell_jobs {

namespace {

using jobcontrol::CleaningResult;

struct SpoolJob {
    std::wstring spoolFile;
    DWORD jobId = 0;
};

// A buffer of at least `bytes` bytes, aligned for the record the spooler writes into it.
std::vector<std::uint64_t> recordBuffer(DWORD bytes) {
    return std::vector<std::uint64_t>((bytes + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
}

// AddJobW level 1: first with the fixed size, then once with the size the spooler asks for.
std::optional<SpoolJob> addSpoolJob(HANDLE printer, AddJobFn addJobFn) {
    const auto addJob = [&](std::vector<std::uint64_t>& buffer, DWORD bytes, DWORD& needed) {
        return addJobFn(printer, 1, reinterpret_cast<LPBYTE>(buffer.data()), bytes, &needed) != FALSE;
    };
    DWORD bytes = static_cast<DWORD>(jobcontrol::kAddJobFirstBufferBytes);
    std::vector<std::uint64_t> buffer = recordBuffer(bytes);
    DWORD needed = 0;
    if (!addJob(buffer, bytes, needed)) {
        if (needed <= bytes) return std::nullopt;
        bytes = needed;
        buffer = recordBuffer(bytes);
        if (!addJob(buffer, bytes, needed)) return std::nullopt;
    }
    const auto* info = reinterpret_cast<const ADDJOB_INFO_1W*>(buffer.data());
    if (info->Path == nullptr) return std::nullopt;
    return SpoolJob{info->Path, info->JobId};
}

bool fileReadable(const std::wstring& path) {
    const HANDLE raw = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return false;
    const shell::KernelHandle file(raw);
    return true;
}

}  // namespace

std::wstring systemDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (;;) {
        const UINT n = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        buffer.resize(n + 1);
    }
}

CleaningResult submitCleaningPage(const std::wstring& printerName, const std::wstring& systemDir, AddJobFn addJob) {
    HANDLE raw = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(printerName.c_str()), &raw, nullptr) || raw == nullptr)
        return CleaningResult::PrinterNotOpened;
    const shell::PrinterHandle printer(raw);

    const std::wstring file = shell::toWide(jobcontrol::cleaningFilePath(shell::fromWide(systemDir.c_str())));
    if (!fileReadable(file)) return CleaningResult::FileMissing;

    const std::optional<SpoolJob> job = addSpoolJob(printer.get(), addJob != nullptr ? addJob : AddJobW);
    if (!job) return CleaningResult::AddJobFailed;
    if (!CopyFileW(file.c_str(), job->spoolFile.c_str(), FALSE)) {
        // The added job would otherwise stay in the queue, never scheduled.
        SetJobW(printer.get(), job->jobId, 0, nullptr, JOB_CONTROL_DELETE);
        return CleaningResult::CopyFailed;
    }
    if (!ScheduleJob(printer.get(), job->jobId)) return CleaningResult::ScheduleFailed;
    return CleaningResult::Submitted;
}

}  // namespace zrt::statuswindow::shell_jobs
