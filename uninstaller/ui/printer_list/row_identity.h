// What a row shows for a printer name: the display name, the short name used in messages and
// the row kind, from the spooler's printer and server names.
#pragma once

#include <cstdint>
#include <string>

namespace zrt::un {

struct RowIdentity {
    std::string displayName;
    std::string shortName;
    std::uint32_t kind = 0;
};

// "\\SRV\P1" with server "\\SRV" gives "P1 - SRV" (kind 0x1000); without a server name
// "P1 on SRV" (kind 0x0100); any other name stands as it is.
RowIdentity rowIdentity(const std::string& printerName, const std::string& serverName);

}  // namespace zrt::un
