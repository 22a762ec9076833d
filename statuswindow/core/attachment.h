// How the printer is attached (shared on a server, local or USB, network port), and whether a
// job's user and computer are this user and this computer. The registry and network lookups
// are asked through AttachmentProbe, only when the rules get that far.
#pragma once

#include <cstdint>
#include <optional>

#include "statuswindow/core/text.h"

namespace zrt::statuswindow {

enum class AttachmentKind : std::uint32_t {
    SharedOnServer = 0,
    Local = 1,
    NetworkPort = 2,
};

// Result of WNetGetConnectionW on the port text.
struct NetworkConnection {
    enum class Outcome { NoRemoteName, RemoteName, OtherFailure };
    Outcome outcome = Outcome::NoRemoteName;
    Text remoteName;  // for RemoteName (also reported with ERROR_CONNECTION_UNAVAIL)
};

class AttachmentProbe {
public:
    virtual ~AttachmentProbe() = default;
    // "AXIS ZELT Port" under the print monitors key has a subkey named like the port text and
    // its "ZELTCompliant" value is 3.
    virtual bool isCompliantNetworkPort(TextView portText) = 0;
    virtual NetworkConnection networkConnection(TextView portText) = 0;
};

AttachmentKind attachmentKind(TextView portText, TextView printerName, AttachmentProbe& probe);

// 0 when the record's user name equals the system's, without regard to case; else 1. A
// missing record (std::nullopt) matches.
int userMatch(TextView systemUser, const std::optional<TextView>& recordUser) noexcept;

// 0 when the record's computer name, after two leading backslashes are dropped, begins with
// the system's computer name (compared with regard to case); else 1. A missing record matches.
int computerMatch(TextView systemComputer, const std::optional<TextView>& recordComputer) noexcept;

}  // namespace zrt::statuswindow
