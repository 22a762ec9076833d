// A fake machine with the uninstaller's string table (from its resource script) and the
// product's INI file beside the program.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/rc_strings.h"
#include "uninstaller/frame/string_ids.h"
#include "uninstaller/testing/fake_machine.h"

namespace zrt::un::testing {

// The script's texts as UTF-8 (the native tests' system code page for texts).
inline const std::map<unsigned, std::string>& uninstallerStrings() {
    static const std::map<unsigned, std::string> strings = [] {
        std::map<unsigned, std::string> out;
        for (const auto& [id, text] : zrt::testing::readRcStrings(
                 zrt::testing::rcPath("resources/uninstaller/ZRT7QUN.rc"))) {
            out[id] = zrt::testing::toUtf8(text);
        }
        return out;
    }();
    return strings;
}

inline std::string text(unsigned id) { return uninstallerStrings().at(id); }

// A complete, valid configuration.
inline const char* const kValidIni =
    "[Profiles]\r\n"
    "PDL_NAME=ZRT7Q Color\r\n"
    "UninstallLevel=2\r\n"
    "CheckJobMonitor=on\r\n"
    "[Uninstall Drivers]\r\n"
    "Vemar ZRT7Q Color\r\n"
    "Vemar ZRT7Q Color (FAX)\r\n"
    "[Uninstall Old Drivers]\r\n"
    "Vemar ZRT6 Color\r\n"
    "[Borderline Driver Versions]\r\n"
    "PRT_2KXP=3.1.0.0\r\n"
    "FAX_2KXP=2.0.0.0\r\n"
    "OLD_VER=1.0.0.0\r\n"
    "[PDL]\r\n"
    "PDL=PCL\r\n"
    "[Registrys]\r\n"
    "KEY_PRINTER=Printer\r\n"
    "KEY_PRINTER2=Printer2\r\n"
    "KEY_BEFORE=Before\r\n"
    "KEY_BEFORE2=Before2\r\n"
    "KEY_BEFORE3=Before3\r\n"
    "KEY_PDRVCAP=Caps\r\n"
    "KEY_PDRVCAP2=Caps2\r\n";

inline const char* const kIniPath = "C:\\PROGRAM FILES\\VEMAR\\ZRT7QUN.INI";
inline const char* const kCopyPath = "C:\\VRTemp\\ZRT7QUN.INI";

class FrameTest : public ::testing::Test {
protected:
    FrameTest() { fake.strings = uninstallerStrings(); }
    void TearDown() override { EXPECT_EQ(fake.openHandles(), 0) << "handles left open"; }

    FakeMachine fake;
};

}  // namespace zrt::un::testing
