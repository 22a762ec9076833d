// The uninstaller's application object: the start-up that refuses unsuitable systems and
// second instances, the command line, the silent run, and the shutdown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "uninstaller/frame/application.h"
#include "uninstaller/frame/command_line_options.h"
#include "uninstaller/frame/companion_services.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/printer_list_window.h"
#include "uninstaller/frame/product_file_names.h"
#include "uninstaller/frame/session.h"
#include "uninstaller/frame/uninstall_config.h"
#include "uninstaller/frame/uninstall_log.h"

namespace zrt::un {

inline constexpr const char* kInstanceMutexName = "h_PrinterDriverUnInstaller_PrevInstance";
inline constexpr const char* kConsoleImeProcess = "conime.exe";
inline constexpr const char* kLogProgramName = "UNINSTAL.EXE ";

class UninstallerApp : public Application {
public:
    UninstallerApp(Machine& machine, PrinterListFactory& dialogs, CompanionServices& companions);
    // Writes "Uninstal.exe is Done." as the log's last line and closes it.
    ~UninstallerApp() override;
    UninstallerApp(const UninstallerApp&) = delete;
    UninstallerApp& operator=(const UninstallerApp&) = delete;

    bool initInstance() override;  // always false
    int exitInstance() override;

    // Silent: the title of `titleId` and the text as two log lines; otherwise a warning box.
    void showOptionError(const std::string& text, unsigned titleId);

    Machine& machine() { return machine_; }
    Session& session() { return session_; }
    MessageCatalog& messages() { return messages_; }
    const CommandLineOptions& options() const { return *options_; }
    const ProductFileNames& productNames() const { return productNames_; }
    const UninstallConfig& config() const { return config_; }
    const std::string& tempFolder() const { return tempFolder_; }
    UninstallLog* log() { return log_.get(); }
    int exitCode() const { return exitCode_; }
    void setExitCode(int code) { exitCode_ = code; }
    bool& spoolerStopped() { return spoolerStopped_; }
    bool& restartSpoolerFirst() { return restartSpoolerFirst_; }
    const std::vector<std::string>& spoolerDependents() const { return spoolerDependents_; }
    CompanionServices& companions() { return companions_; }

private:
    bool refusedAsWow64();
    bool secondInstance();
    bool createLog();
    bool checkAndLoad();
    bool utilityRunning();
    void silentRun();
    bool fail();

    Machine& machine_;
    PrinterListFactory& dialogs_;
    CompanionServices& companions_;
    Session session_;
    MessageCatalog messages_;
    OwnedHandle instanceMutex_;
    std::unique_ptr<CommandLineOptions> options_;
    std::unique_ptr<UninstallLog> log_;
    ProductFileNames productNames_;
    UninstallConfig config_;
    std::string tempFolder_;
    std::vector<std::string> spoolerDependents_;
    int exitCode_ = 0;
    bool conImeChanged_ = false;
    bool spoolerStopped_ = false;
    bool restartSpoolerFirst_ = false;
};

}  // namespace zrt::un
