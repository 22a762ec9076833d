// The dialogs under Wine: the real adapters (message boxes recorded instead of shown), a
// configuration beside a program in C:\zrtui, the product's data file, and family printers
// installed in the prefix.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/rc_strings.h"
#include "tests/support/win32/test_files.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/product_file_names.h"
#include "uninstaller/frame/uninstall_config.h"
#include "uninstaller/frame/win32/win32_machine.h"
#include "uninstaller/frame/interim_companion_services.h"
#include "uninstaller/ui/printer_list/printer_list.h"
#include "uninstaller/ui/printer_list/printer_list_runs.h"
#include "uninstaller/ui/win32/printer_list_dialog.h"

namespace zrt::un::wine {

inline const char* const kFolder = "C:\\zrtui\\";
inline const char* const kProgram = "C:\\zrtui\\ZRT7QUN.EXE";
inline const char* const kFamilyDriver = "Vemar ZRT7Q Color";
inline const char* const kOtherDriver = "Other Vendor Laser";
inline const char* const kOffice = "ZRT7Q Office";
inline const char* const kShared = "ZRT7Q Shared";
inline const char* const kLongName =
    "ZRT7Q Color Laser on the third floor beside the meeting room, east wing";
inline const char* const kOther = "Other Vendor Printer";

struct ShownMessage {
    WindowRef owner;
    std::string text, title;
    std::uint32_t type;
};

class RecordingBoxes final : public MessageBoxes {
public:
    int show(WindowRef owner, const std::string& text, const std::string& title,
             std::uint32_t type) override {
        shown.push_back({owner, text, title, type});
        return (type & 0x0F) == kBoxYesNo ? kAnswerNo : kAnswerOk;
    }
    std::vector<ShownMessage> shown;
};

class NoRestart final : public SpoolerDependentsRestart {
public:
    void restart(const std::vector<std::string>&) override {}
};

// Writes a file as given (creating its folders).
using zrt::testing::writeFile;
// The text of a string resource of the script, in code page 932.
std::string scriptText(unsigned id);
std::wstring scriptTextW(unsigned id);
std::string toAnsi(const std::wstring& text);

// Installs the family's driver and printers (and one printer of another driver) once.
void installPrinters();
void removePrinters();

class UiWineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The printer list over this machine, created hidden; messages pumped.
    std::unique_ptr<win32::PrinterListDialog> openPrinterList();
    static void pump();

    static win32::Win32Machine& system();
    RecordingBoxes boxes;
    Machine machine{system().machine().registry, system().machine().spooler,
                    system().machine().files,    system().machine().profiles,
                    system().machine().processes, system().machine().mutexes,
                    system().machine().desktop,  system().machine().services,
                    system().machine().platform, system().machine().text,
                    boxes,                       system().machine().clock};
    Session session;
    MessageCatalog catalog{machine, session};
    ProductFileNames names;
    UninstallConfig config;
    CommandLineOptions options{""};
    std::string tempFolder = "C:\\VRTemp";
    InterimCompanionServices companions{system().machine().services};
    bool spoolerStopped = false;
    std::vector<std::string> dependents;
    NoRestart restart;
    ListOnlyRuns runs;
};

}  // namespace zrt::un::wine
