// ZRT7QINSTPRN.EXE install <printer> [<driver> [<port>]] | remove <printer>
// Exit code 0 on success, 2 on a bad command line, else the spooler's error code.
#include <cstdio>
#include <string>

#include "testbed/install_printer/printer_install.h"

namespace {

int usage() {
    std::fputws(L"usage: ZRT7QINSTPRN.EXE install <printer> [<driver> [<port>]]\n"
                L"       ZRT7QINSTPRN.EXE remove <printer>\n",
                stderr);
    return 2;
}

int report(const wchar_t* what, const std::wstring& name, DWORD error) {
    if (error == ERROR_SUCCESS) std::fwprintf(stdout, L"%ls: %ls\n", what, name.c_str());
    else std::fwprintf(stderr, L"%ls failed: %ls (error %lu)\n", what, name.c_str(), error);
    return static_cast<int>(error);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return usage();
    const std::wstring command = argv[1];
    zrt::testbed::PrinterSpec setup;
    setup.name = argv[2];
    if (command == L"install" && argc <= 5) {
        if (argc > 3) setup.driver = argv[3];
        if (argc > 4) setup.port = argv[4];
        return report(L"installed", setup.name, zrt::testbed::installPrinter(setup));
    }
    if (command == L"remove" && argc == 3) return report(L"removed", setup.name, zrt::testbed::removePrinter(setup.name));
    return usage();
}
