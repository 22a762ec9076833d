// Answers from the system that the attachment rules and the user and computer match need:
// the print monitors key, WNetGetConnectionW, GetUserNameW and GetComputerNameW.
#pragma once

#include "statuswindow/core/attachment.h"

namespace zrt::statuswindow::shell {

class SystemAttachmentProbe : public AttachmentProbe {
public:
    bool isCompliantNetworkPort(TextView portText) override;
    NetworkConnection networkConnection(TextView portText) override;
};

Text currentUserName();
Text currentComputerName();

}  // namespace zrt::statuswindow::shell
