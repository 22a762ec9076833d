#include <vector>

#include "uninstaller/frame/win32/win32_machine.h"

namespace zrt::un::win32 {
namespace {

// A handle of the service control manager or of a service.
class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    ~ServiceHandle() {
        if (handle_ != nullptr) {
            CloseServiceHandle(handle_);
        }
    }
    SC_HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    SC_HANDLE handle_;
};

template <class Action>
WinError withService(const std::string& name, DWORD access, Action action) {
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) {
        return GetLastError();
    }
    const ServiceHandle service(OpenServiceA(manager.get(), name.c_str(), access));
    if (!service) {
        return GetLastError();
    }
    return action(service.get()) ? ERROR_SUCCESS : GetLastError();
}

}  // namespace

Outcome<std::vector<ServiceEntry>> Win32Services::activeDependents(const std::string& name) {
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) {
        return failed<std::vector<ServiceEntry>>(GetLastError());
    }
    const ServiceHandle service(
        OpenServiceA(manager.get(), name.c_str(), SERVICE_ENUMERATE_DEPENDENTS));
    if (!service) {
        return failed<std::vector<ServiceEntry>>(GetLastError());
    }
    DWORD needed = 0;
    DWORD count = 0;
    if (EnumDependentServicesA(service.get(), SERVICE_ACTIVE, nullptr, 0, &needed, &count)) {
        return std::vector<ServiceEntry>{};  // none
    }
    if (GetLastError() != ERROR_MORE_DATA) {
        return failed<std::vector<ServiceEntry>>(GetLastError());
    }
    std::vector<ENUM_SERVICE_STATUSA> buffer(needed / sizeof(ENUM_SERVICE_STATUSA) + 1);
    if (!EnumDependentServicesA(service.get(), SERVICE_ACTIVE, buffer.data(),
                                static_cast<DWORD>(buffer.size() * sizeof(ENUM_SERVICE_STATUSA)),
                                &needed, &count)) {
        return failed<std::vector<ServiceEntry>>(GetLastError());
    }
    std::vector<ServiceEntry> entries;
    for (DWORD i = 0; i < count && i < buffer.size(); ++i) {
        const ENUM_SERVICE_STATUSA& s = buffer[i];
        entries.push_back({s.lpServiceName ? s.lpServiceName : "",
                           s.lpDisplayName ? s.lpDisplayName : "",
                           static_cast<ServiceState>(s.ServiceStatus.dwCurrentState)});
    }
    return entries;
}

Outcome<ServiceState> Win32Services::queryState(const std::string& name) {
    SERVICE_STATUS status{};
    const WinError error = withService(name, SERVICE_QUERY_STATUS, [&status](SC_HANDLE s) {
        return QueryServiceStatus(s, &status);
    });
    if (error != ERROR_SUCCESS) {
        return failed<ServiceState>(error);
    }
    return static_cast<ServiceState>(status.dwCurrentState);
}

WinError Win32Services::start(const std::string& name) {
    return withService(name, SERVICE_START,
                       [](SC_HANDLE s) { return StartServiceA(s, 0, nullptr); });
}

WinError Win32Services::stop(const std::string& name) {
    return withService(name, SERVICE_STOP, [](SC_HANDLE s) {
        SERVICE_STATUS status{};
        return ControlService(s, SERVICE_CONTROL_STOP, &status);
    });
}

WinError Win32Services::remove(const std::string& name) {
    return withService(name, DELETE, [](SC_HANDLE s) { return DeleteService(s); });
}

}  // namespace zrt::un::win32
