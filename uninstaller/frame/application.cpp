#include "uninstaller/frame/application.h"

namespace zrt::un {

int Application::run(MessageLoop& loop) {
    if (initInstance()) {
        frameworkExitValue_ = loop.run();
    }
    return exitInstance();
}

}  // namespace zrt::un
