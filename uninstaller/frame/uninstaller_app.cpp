#include "uninstaller/frame/uninstaller_app.h"

#include "uninstaller/frame/console_ime.h"
#include "uninstaller/frame/environment_checks.h"
#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/frame/message_dump.h"
#include "uninstaller/frame/string_ids.h"
#include "uninstaller/frame/system_queries.h"

namespace zrt::un {

UninstallerApp::UninstallerApp(Machine& machine, PrinterListFactory& dialogs,
                               CompanionServices& companions)
    : machine_(machine), dialogs_(dialogs), companions_(companions), messages_(machine, session_),
      options_(std::make_unique<CommandLineOptions>(std::string())) {}

UninstallerApp::~UninstallerApp() {
    options_.reset();
    if (log_ != nullptr) {
        log_->write(machine_.text.loadString(ids::kSilentDone));
        log_->close();
        session_.log = nullptr;
        log_.reset();
    }
}

bool UninstallerApp::fail() {
    exitCode_ = 1;
    return false;
}

bool UninstallerApp::refusedAsWow64() {
    const auto wow64 = machine_.platform.isWow64Process();
    if (!wow64 || !wow64.value()) {
        return false;
    }
    machine_.boxes.show(kNoWindow, machine_.text.loadString(ids::kUnsupportedSystem),
                        machine_.text.loadString(ids::kTitleCritical), kBoxIconError);
    return true;
}

bool UninstallerApp::secondInstance() {
    if (machine_.mutexes.openMutex(kInstanceMutexName)) {
        return true;
    }
    if (auto created = machine_.mutexes.createMutex(kInstanceMutexName, false)) {
        instanceMutex_ = std::move(created).value();
    }
    return false;
}

bool UninstallerApp::createLog() {
    if (!options_->logging()) {
        log_ = std::make_unique<UninstallLog>();
    } else {
        auto created = UninstallLog::create(machine_.files, machine_.clock, options_->logPath());
        if (!created) {
            const std::string text = machine_.text.loadString(ids::kSilentNoLogFile) + "\n " +
                                     kLogProgramName + options_->commandLine();
            machine_.boxes.show(kNoWindow, text, machine_.text.loadString(ids::kTitleWarning),
                                kBoxIconWarning);
            return false;
        }
        log_ = std::move(created).value();
    }
    session_.log = log_.get();
    log_->write(machine_.text.loadString(ids::kSilentRunning));
    log_->write(kLogProgramName + options_->commandLine());
    log_->write("");
    return true;
}

void UninstallerApp::showOptionError(const std::string& text, unsigned titleId) {
    tellOrLog(machine_, session_, text, titleId, kBoxIconWarning);
}

bool UninstallerApp::checkAndLoad() {
    if (options_->validate(machine_.text)) {
        showOptionError(options_->errorMessage(), ids::kTitleWarning);
        return false;
    }
    if (!isAdministrator(machine_.platform)) {
        messages_.show(kNoWindow, ids::kErrNotAdministrator);
        return false;
    }
    if (!productNames_.load(machine_.platform.modulePath(), machine_.profiles, machine_.text)) {
        messages_.show(kNoWindow, ids::kIniNotFound);
        return false;
    }
    messages_.setProgramFolder(productNames_.programFolder());
    return loadConfig(machine_, productNames_, tempFolder_, messages_, config_);
}

bool UninstallerApp::utilityRunning() {
    if (session_.silent && options_->skipRunningChecks()) {
        return false;
    }
    return printManagerRunning(machine_, session_, messages_) ||
           jobMonitorRunning(machine_, session_, messages_, config_, companions_);
}

bool UninstallerApp::initInstance() {
    spoolerStopped_ = false;
    tempFolder_ = tempFolderFor(machine_.platform.windowsDirectory());
    if (refusedAsWow64()) {
        return false;
    }
    if (secondInstance()) {
        return fail();
    }
    if (!isProcessRunning(machine_, kConsoleImeProcess)) {
        conImeChanged_ = switchConsoleImeOff(machine_.registry);
    }
    options_ = std::make_unique<CommandLineOptions>(machine_.platform.commandLineArguments());
    options_->parse(machine_.text, {machine_.files, machine_.profiles, machine_.platform});
    session_.silent = options_->silent();
    if (session_.silent && !createLog()) {
        return fail();
    }
    if (!checkAndLoad()) {
        return fail();
    }
    if (session_.silent && config_.messageDebugUi == "1") {
        writeMessageDump(machine_.text, *log_);
        return false;
    }
    spoolerDependents_ = companions_.recordSpoolerDependents();
    restartSpoolerFirst_ = true;
    session_.interactive = !session_.silent;
    if (utilityRunning()) {
        return fail();
    }
    if (!session_.silent) {
        auto dialog = dialogs_.make(*this);
        dialog->runModal();
        session_.mainWindow = kNoWindow;
        return false;
    }
    silentRun();
    return false;
}

void UninstallerApp::silentRun() {
    auto dialog = dialogs_.make(*this);
    if (!dialog->createHidden()) {
        exitCode_ = 1;
        return;
    }
    session_.mainWindow = dialog->window();
    const bool targeted = options_->all() || options_->byPrinter() || options_->byDriver();
    const bool anyItem = dialog->itemCount() > 0;
    if (anyItem && targeted) {
        dialog->sendCommand(kCommandSelectAll);
        dialog->sendCommand(kCommandDelete);
    }
    if (!anyItem && targeted) {
        log_->write(machine_.text.loadString(ids::kSilentNothingFound));
    }
    if (options_->cleanup()) {
        if (equalNoCaseAscii(config_.uninstallLevel, "2")) {
            dialog->sendCommand(kCommandCleanup);
        } else {
            log_->write(machine_.text.loadString(ids::kSilentCleanupOff));
        }
    }
    dialog->destroy();
    session_.mainWindow = kNoWindow;
}

int UninstallerApp::exitInstance() {
    if (conImeChanged_) {
        restoreConsoleIme(machine_.registry);
    }
    if (!tempFolder_.empty()) {
        removeConfigCopy(machine_.files, productNames_, tempFolder_);
    }
    return frameworkExitValue() != 0 ? frameworkExitValue() : exitCode_;
}

}  // namespace zrt::un
