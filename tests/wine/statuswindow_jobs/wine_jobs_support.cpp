#include "wine_jobs_support.h"

#include "testbed/install_printer/printer_install.h"

namespace zrt::statuswindow::wine {

FilePortPrinter::FilePortPrinter(const std::wstring& name, const std::wstring& outputFile)
    : name_(name), driver_(L"ZRT Jobs Test Driver") {
    installed_ = testbed::installPrinter(testbed::PrinterSpec{name_, driver_, outputFile}) == ERROR_SUCCESS;
}

FilePortPrinter::~FilePortPrinter() {
    testbed::removePrinter(name_);
    testbed::removeDriver(driver_);
}

SandboxKey::SandboxKey(const std::wstring& path) : path_(path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(key);
}

SandboxKey::~SandboxKey() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

bool SandboxKey::setString(const wchar_t* name, const std::wstring& value) const {
    return RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), name, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool SandboxKey::setDword(const wchar_t* name, DWORD value) const {
    return RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), name, REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
    return true;
}

std::string utf8(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace zrt::statuswindow::wine
