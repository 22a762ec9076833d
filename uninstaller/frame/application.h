// The application object's contract: initInstance() runs the program; when it returns true a
// message loop runs; exitInstance() gives the process exit code.
#pragma once

namespace zrt::un {

class MessageLoop {
public:
    virtual ~MessageLoop() = default;
    // Runs until the quit message; its exit value.
    virtual int run() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual bool initInstance() = 0;
    virtual int exitInstance() = 0;

    // initInstance, the loop when it asks for one, then exitInstance.
    int run(MessageLoop& loop);
    // The framework's own exit value (the quit message's), 0 unless a loop ran.
    int frameworkExitValue() const { return frameworkExitValue_; }

private:
    int frameworkExitValue_ = 0;
};

}  // namespace zrt::un
