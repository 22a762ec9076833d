// Fuzz target of the uninstaller's outside input: the command line (with a selection file),
// the configuration file and message texts with placeholders. The input is split at its first
// two zero bytes into a command line, an INI text and a message pattern.
#include <cstddef>
#include <cstdint>
#include <string>

#include "uninstaller/frame/command_line_options.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/profile_lists.h"
#include "uninstaller/frame/uninstall_config.h"
#include "uninstaller/testing/fake_machine.h"

namespace {

std::string nextPart(const std::string& input, std::size_t& at) {
    if (at > input.size()) {
        return {};
    }
    std::size_t end = input.find('\0', at);
    if (end == std::string::npos) {
        end = input.size();
    }
    std::string part = input.substr(at, end - at);
    at = end + 1;
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zrt::un;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t at = 0;
    const std::string commandLine = nextPart(input, at);
    const std::string ini = nextPart(input, at);
    const std::string pattern = nextPart(input, at);

    testing::FakeMachine fake;
    fake.addFile("C:\\WINDOWS\\UninstSi.ini", ini);
    fake.addFile("C:\\PROGRAM FILES\\VEMAR\\ZRT7QUN.INI", ini);
    fake.strings[12] = pattern;
    Machine& m = fake.machine();

    CommandLineOptions options(commandLine);
    options.parse(m.text, {m.files, m.profiles, m.platform});
    static_cast<void>(options.validate(m.text));

    Session session;
    MessageCatalog catalog(m, session);
    ProductFileNames names;
    if (names.load(fake.programPath, m.profiles, m.text)) {
        UninstallConfig config;
        static_cast<void>(loadConfig(m, names, "C:\\VRTemp", catalog, config));
        static_cast<void>(listEntries(config.uninstallDrivers));
    }
    static_cast<void>(catalog.format(12, {commandLine, ini}));
    static_cast<void>(countPlaceholders(convertPlaceholders(pattern)));
    return 0;
}
