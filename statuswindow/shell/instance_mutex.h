// The one-instance-per-printer mutex "ZRT7Q_" + printer name ("\" as "_").
#pragma once

#include "statuswindow/core/text.h"
#include "statuswindow/shell/handles.h"

namespace zrt::statuswindow::shell {

class InstanceMutex {
public:
    InstanceMutex() = default;
    InstanceMutex(InstanceMutex&&) = default;
    InstanceMutex& operator=(InstanceMutex&&) = default;
    ~InstanceMutex() { release(); }

    // Creates the printer's mutex and waits to own it; false when it cannot be created or
    // another copy already has it (the program then exits).
    bool take(TextView printerName);
    // After a rename: releases the old mutex and takes the new one. When another copy already
    // holds the new name, this copy goes on without a mutex rather than block its window.
    void retake(TextView printerName);
    void release() noexcept;
    bool held() const noexcept { return static_cast<bool>(mutex_); }

private:
    KernelHandle mutex_;
};

}  // namespace zrt::statuswindow::shell
