// Shows the presentation library at work: for a handful of named printer situations, the
// display id, headline and messages it returns, and a sheet of its artwork.
//   ZRT7QPMUDEMO.EXE [sheet.bmp]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "presentation/psm_interface.h"
#include "statuswindow/record/status_record_builder.h"
#include "tools/presentation_demo/contact_sheet.h"

namespace {

using zrt::status::StatusRecordBuilder;

struct Situation {
    const char* name;
    int kind;
    std::vector<std::uint8_t> record;
};

std::vector<std::uint8_t> connectionRecord(std::uint32_t code) {
    std::vector<std::uint8_t> r(8, 0);
    std::memcpy(r.data() + 4, &code, sizeof code);
    return r;
}

std::vector<Situation> situations() {
    return {
        {"printing page 3 of 5", 0,
         StatusRecordBuilder().jobStatus(0x8).totalPages(5).currentPage(3).documentName(u"見積書.doc").build()},
        {"paper out in cassette 1", 0,
         StatusRecordBuilder().jobStatus(0x8).printerStatus(0x10000).paperSource(1).warningStatus(0x40000000).build()},
        {"jam inside with the cover open", 0,
         StatusRecordBuilder().jobStatus(0x8).printerStatus(0x800000 | 0x400000).jamStatus(0x400000).build()},
        {"service error E100", 0, StatusRecordBuilder().printerStatus(0x01000000).serviceCallStatus(0x1).build()},
        {"port in use", 1, connectionRecord(2)},
    };
}

void print(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

// Line breaks of the messages shown as they would break in the detail pane, indented.
std::wstring indented(const wchar_t* text) {
    std::wstring out = L"    ";
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        if (*p == L'\r') continue;
        out += *p;
        if (*p == L'\n' && p[1] != L'\0') out += L"    ";
    }
    return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    HMODULE library = LoadLibraryW(zrt::psm::kLibraryFileName);
    if (library == nullptr) {
        std::fprintf(stderr, "cannot load ZRT7QPMU.DLL (error %lu)\n", GetLastError());
        return 1;
    }
    auto map = reinterpret_cast<zrt::psm::GetPSWDisplayFn>(
        reinterpret_cast<void*>(GetProcAddress(library, zrt::psm::kGetPSWDisplay)));
    if (map == nullptr) return 1;
    for (const Situation& s : situations()) {
        std::vector<std::uint8_t> data = s.record;
        if (data.size() < zrt::psm::kMinimumRecordBytes) data.resize(zrt::psm::kMinimumRecordBytes, 0);
        zrt::psm::DisplayRecord display{};
        if (!map(library, 0, data.data(), &display, s.kind)) continue;
        std::printf("== %s\n   display %d, background %d, picture %d, sound %s\n", s.name, display.displayId,
                    display.background, display.picture->bitmapId, display.sound ? "yes" : "none");
        print(L"   headline: " + std::wstring(display.headline->text) + L"\n");
        for (int i = 0; i < display.messageCount; ++i) {
            print(L"   message " + std::to_wstring(display.messages[i].stringId) + L":\n" +
                  indented(display.messages[i].text) + L"\n");
        }
    }
    int rc = 0;
    if (argc > 1) {
        if (writeContactSheet(library, argv[1])) {
            std::printf("artwork sheet written\n");
        } else {
            std::fprintf(stderr, "cannot write the artwork sheet\n");
            rc = 1;
        }
    }
    FreeLibrary(library);
    return rc;
}
