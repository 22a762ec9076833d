#include "uninstaller/ui/printer_list/row_identity.h"

#include "uninstaller/ui/printer_list/printer_item.h"

namespace zrt::un {
namespace {

bool beginsWithTwoBackslashes(const std::string& name) {
    return name.size() >= 2 && name[0] == '\\' && name[1] == '\\';
}

RowIdentity plain(const std::string& name) { return {name, name, kKindPrinter}; }

// The printer part of "\\SRV\P1" when the spooler names the server "\\SRV".
RowIdentity withServer(const std::string& name, const std::string& server) {
    const std::size_t skip = server.size() + 1;
    if (skip > name.size() || name[server.size()] != '\\') {
        return plain(name);  // the name does not carry that server: show it whole
    }
    const std::string printer = name.substr(skip);
    const std::string host = beginsWithTwoBackslashes(server) ? server.substr(2) : server;
    return {printer + " - " + host, printer, kKindConnection};
}

// "\\SRV\P1" split at the backslash after the server.
RowIdentity splitName(const std::string& name) {
    const std::string rest = name.substr(2);
    const std::size_t slash = rest.find('\\');
    if (slash == std::string::npos) {
        return plain(name);
    }
    const std::string server = rest.substr(0, slash);
    const std::string printer = rest.substr(slash + 1);
    return {printer + " on " + server, printer, kKindPrinter};
}

}  // namespace

RowIdentity rowIdentity(const std::string& printerName, const std::string& serverName) {
    if (!beginsWithTwoBackslashes(printerName)) {
        return plain(printerName);
    }
    return serverName.empty() ? splitName(printerName) : withServer(printerName, serverName);
}

}  // namespace zrt::un
