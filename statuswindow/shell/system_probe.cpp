#include "statuswindow/shell/system_probe.h"

#include <windows.h>
#include <winnetwk.h>

#include <vector>

#include "statuswindow/shell/handles.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

constexpr wchar_t kZeltPortKey[] = L"System\\CurrentControlSet\\control\\Print\\Monitors\\AXIS ZELT Port";
constexpr DWORD kZeltCompliant = 3;

}  // namespace

bool SystemAttachmentProbe::isCompliantNetworkPort(TextView portText) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kZeltPortKey, 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
    const RegKey monitor(raw);
    HKEY port = nullptr;
    if (portText.empty() || RegOpenKeyExW(monitor.get(), toWide(portText).c_str(), 0, KEY_READ, &port) != ERROR_SUCCESS)
        return false;
    const RegKey portKey(port);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    return RegQueryValueExW(monitor.get(), L"ZELTCompliant", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                            &size) == ERROR_SUCCESS &&
           type == REG_DWORD && value == kZeltCompliant;
}

NetworkConnection SystemAttachmentProbe::networkConnection(TextView portText) {
    NetworkConnection result;
    std::vector<wchar_t> remote(MAX_PATH + 1, L'\0');
    DWORD size = static_cast<DWORD>(remote.size());
    const DWORD rc = WNetGetConnectionW(toWide(portText).c_str(), remote.data(), &size);
    if (rc == NO_ERROR || rc == ERROR_CONNECTION_UNAVAIL) {
        result.remoteName = fromWideBounded(remote.data(), remote.size());
        result.outcome = result.remoteName.empty() ? NetworkConnection::Outcome::NoRemoteName
                                                   : NetworkConnection::Outcome::RemoteName;
    } else if (rc == ERROR_NOT_CONNECTED || rc == ERROR_BAD_DEVICE) {
        result.outcome = NetworkConnection::Outcome::NoRemoteName;
    } else {
        result.outcome = NetworkConnection::Outcome::OtherFailure;
    }
    return result;
}

Text currentUserName() {
    wchar_t name[257] = {};
    DWORD size = 257;
    if (!GetUserNameW(name, &size)) return {};
    return fromWideBounded(name, 257);
}

Text currentComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size)) return {};
    return fromWideBounded(name, MAX_COMPUTERNAME_LENGTH + 1);
}

}  // namespace zrt::statuswindow::shell
