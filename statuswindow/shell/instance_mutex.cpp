#include "statuswindow/shell/instance_mutex.h"

#include "statuswindow/core/command_line.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

bool InstanceMutex::take(TextView printerName) {
    release();
    SetLastError(0);
    KernelHandle mutex(CreateMutexW(nullptr, FALSE, toWide(instanceMutexName(printerName)).c_str()));
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return false;
    WaitForSingleObject(mutex.get(), INFINITE);
    mutex_ = std::move(mutex);
    return true;
}

void InstanceMutex::retake(TextView printerName) {
    release();
    take(printerName);
}

void InstanceMutex::release() noexcept {
    if (!mutex_) return;
    ReleaseMutex(mutex_.get());
    mutex_.reset();
}

}  // namespace zrt::statuswindow::shell
