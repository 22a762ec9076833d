#include "statuswindow/jobcontrol/job_actions.h"

#include "statuswindow/status_monitor_codes.h"

namespace zrt::statuswindow::jobcontrol {

namespace {

using monitor::JobRequest;

// "Printer Status" bit: the printer waits for the user; with 0x40000 the cassette must be
// registered again.
constexpr std::uint32_t kPrinterWaiting = 0x8;
constexpr std::uint32_t kReRegisterCassette = 0x40000;

constexpr std::uint32_t code(JobRequest r) noexcept { return static_cast<std::uint32_t>(r); }

JobAction jobRequest(JobRequest r, std::uint32_t value) { return {ActionKind::JobRequest, code(r), value}; }
JobAction gray(GrayedSet set) { return {ActionKind::GrayItems, static_cast<std::uint32_t>(set)}; }
JobAction refreshJobCommands() { return {ActionKind::RefreshJobCommands}; }

std::vector<JobAction> resumeActions(CommandSource source, const JobCommandContext& c) {
    switch (resumeRequest(source, c.record, c.displayId)) {
        case ResumeRequest::Resume: return {jobRequest(JobRequest::Resume, 0)};
        case ResumeRequest::ResumeWaitingForUser:
            return {jobRequest(JobRequest::ResumeWaitingForUser, 0), gray(GrayedSet::AfterResumeWaiting)};
        case ResumeRequest::None: break;
    }
    return {};
}

std::vector<JobAction> cancelActions(const JobCommandContext& c) {
    std::vector<JobAction> actions;
    if (c.record != nullptr) actions.push_back(jobRequest(JobRequest::Cancel, c.record->jobId()));
    actions.push_back(refreshJobCommands());
    return actions;
}

}  // namespace

std::vector<std::uint32_t> grayedItems(const JobAction& action) {
    if (action.kind != ActionKind::GrayItems) return {};
    if (action.a == static_cast<std::uint32_t>(GrayedSet::AfterResumeWaiting))
        return {kGrayedAfterResumeWaiting.begin(), kGrayedAfterResumeWaiting.end()};
    return {kGrayedAfterDeviceCommand.begin(), kGrayedAfterDeviceCommand.end()};
}

ResumeRequest resumeRequest(CommandSource source, const status::StatusRecordView* record,
                            std::uint32_t displayId) noexcept {
    const std::uint32_t printer = record != nullptr ? record->printerStatus() : 0;
    const std::uint32_t job = record != nullptr ? record->jobStatus() : 0;
    if (source == CommandSource::Menu) {
        const bool waiting = (printer & kPrinterWaiting) != 0 && (printer & kReRegisterCassette) != 0;
        return waiting ? ResumeRequest::ResumeWaitingForUser : ResumeRequest::Resume;
    }
    if (displayId == kResumeButtonInertDisplay) return ResumeRequest::None;
    const bool waiting = (printer & kPrinterWaiting) != 0 && (job & kReRegisterCassette) != 0;
    return waiting ? ResumeRequest::ResumeWaitingForUser : ResumeRequest::Resume;
}

bool isJobCommand(std::uint32_t cmd) noexcept {
    switch (cmd) {
        case command::kPause:
        case command::kResume:
        case command::kOutsideRequest:
        case command::kCancel:
        case command::kCleaning:
        case command::kRefresh:
        case command::kCalibration: return true;
        default: return false;
    }
}

std::vector<JobAction> jobCommandActions(std::uint32_t cmd, CommandSource source, const JobCommandContext& c) {
    switch (cmd) {
        case command::kPause: return {jobRequest(JobRequest::Pause, 0)};
        case command::kResume: return resumeActions(source, c);
        case command::kOutsideRequest: return {jobRequest(JobRequest::Command102, 0)};
        case command::kCancel: return cancelActions(c);
        case command::kCleaning: return {{ActionKind::SubmitCleaningPage}, gray(GrayedSet::AfterDeviceCommand)};
        case command::kRefresh:
            return {{ActionKind::RequestStatus, static_cast<std::uint32_t>(monitor::StatusQuery::Refresh)},
                    jobRequest(JobRequest::SessionRefresh, c.sessionId), refreshJobCommands()};
        case command::kCalibration:
            return {{ActionKind::DeviceRequest, static_cast<std::uint32_t>(monitor::DeviceRequest::Calibration)},
                    gray(GrayedSet::AfterDeviceCommand)};
        default: return {};
    }
}

std::string describe(const JobAction& a) {
    const auto pair = [&](const char* name) {
        return std::string(name) + "(" + std::to_string(a.a) + ", " + std::to_string(a.b) + ")";
    };
    switch (a.kind) {
        case ActionKind::JobRequest: return pair("JobRequest");
        case ActionKind::RequestStatus: return "RequestStatus(" + std::to_string(a.a) + ")";
        case ActionKind::DeviceRequest: return "DeviceRequest(" + std::to_string(a.a) + ")";
        case ActionKind::SubmitCleaningPage: return "SubmitCleaningPage";
        case ActionKind::GrayItems: return "GrayItems(" + std::to_string(a.a) + ")";
        case ActionKind::RefreshJobCommands: return "RefreshJobCommands";
    }
    return "?";
}

}  // namespace zrt::statuswindow::jobcontrol
