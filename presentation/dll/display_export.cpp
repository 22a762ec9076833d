// PSM_GetPSWDisplay: the mapping core chooses the display; this fills the binary display
// record from the library's static tables, text buffers and resources.
#include <algorithm>
#include <array>

#include "presentation/core/display_mapping.h"
#include "presentation/dll/exports.h"
#include "presentation/dll/library_module.h"

namespace {

using zrt::presentation::DisplayState;
using zrt::presentation::kMaxMessages;
using zrt::presentation::text_record::kTextBufferChars;

// Static storage the record points into; overwritten by each call, as callers expect.
struct DisplayTables {
    zrt::psm::TextRecord headline{};
    std::array<zrt::psm::TextRecord, kMaxMessages> messages{};
    zrt::psm::CommandStateSet menu{};
    zrt::psm::CommandStateSet toolbar{};
    zrt::psm::BitmapRecord picture{};
    std::array<zrt::psm::AnimationFrame, zrt::presentation::kAnimationFrameCount> frames{};
};

// Separate pools for headline and message texts, one buffer per entry.
wchar_t g_headlineText[1][kTextBufferChars];
wchar_t g_messageTexts[kMaxMessages][kTextBufferChars];
DisplayTables g_tables;

HRSRC findBitmap(HMODULE module, std::uint32_t id) {
    return FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
}

// Loads a string into its buffer; an id of 0 or a missing string leaves empty text.
const wchar_t* loadText(HMODULE module, std::uint32_t id, wchar_t* buffer) {
    buffer[0] = L'\0';
    if (id != 0) LoadStringW(module, id, buffer, static_cast<int>(kTextBufferChars));
    return buffer;
}

zrt::psm::TextRecord textRecord(HMODULE module, std::uint32_t id, wchar_t* buffer) {
    namespace t = zrt::presentation::text_record;
    return {t::kX, t::kY, t::kFontHeight, t::kFontWeight, static_cast<std::int32_t>(t::kReserved),
            static_cast<std::int32_t>(id), loadText(module, id, buffer)};
}

void fillTables(HMODULE module, const DisplayState& state) {
    g_tables.headline = textRecord(module, state.headline, g_headlineText[0]);
    for (std::size_t i = 0; i < state.messages.size(); ++i) {
        g_tables.messages[i] = textRecord(module, state.messages[i], g_messageTexts[i]);
    }
    g_tables.menu = state.menu;
    g_tables.toolbar = state.toolbar;
    g_tables.picture = {findBitmap(module, state.picture), static_cast<std::uint16_t>(state.picture)};
    for (std::size_t i = 0; i < state.frameCount && i < g_tables.frames.size(); ++i) {
        const auto& frame = zrt::presentation::kAnimationFrames[i];
        g_tables.frames[i] = {findBitmap(module, frame.bitmapId), frame.bitmapId, frame.x, frame.y,
                              static_cast<std::int32_t>(frame.durationMs)};
    }
}

// Icons loaded with LoadIconW are shared and live as long as the module; each is loaded once.
HICON stateIcon(HMODULE module, std::uint32_t id) {
    constexpr std::uint32_t kFirstIcon = 400;
    static std::array<HICON, 5> icons{};
    static HMODULE iconModule = nullptr;
    if (module != iconModule) {
        icons = {};
        iconModule = module;
    }
    if (id < kFirstIcon || id - kFirstIcon >= icons.size()) return LoadIconW(module, MAKEINTRESOURCEW(id));
    HICON& icon = icons[id - kFirstIcon];
    if (icon == nullptr) icon = LoadIconW(module, MAKEINTRESOURCEW(id));
    return icon;
}

void fillRecord(HMODULE module, const DisplayState& state, zrt::psm::DisplayRecord& record) {
    const HICON icon = stateIcon(module, state.icon);
    record.displayId = static_cast<std::int32_t>(zrt::presentation::toNumber(state.id));
    record.windowIcon = icon;
    record.menuStates = &g_tables.menu;
    record.toolbarStates = &g_tables.toolbar;
    record.paneIcon = icon;
    record.headline = &g_tables.headline;
    record.messageCount = static_cast<std::int32_t>(state.messages.size());
    record.messages = g_tables.messages.data();
    record.background = static_cast<std::int32_t>(state.background);
    record.picture = &g_tables.picture;
    record.animationMode = static_cast<std::int32_t>(state.animation);
    record.frameCount = static_cast<std::int32_t>(std::min<std::size_t>(state.frameCount, g_tables.frames.size()));
    record.frames = g_tables.frames.data();
    record.pagesText = static_cast<std::int32_t>(state.pagesText);
    record.sound = zrt::presentation::soundNameWide(state.sound);
}

}  // namespace

BOOL WINAPI PSM_GetPSWDisplay(HMODULE library, DWORD previousDisplayId, const void* data,
                              zrt::psm::DisplayRecord* display, int kind) {
    if (display == nullptr) return FALSE;
    // The caller hands at least the fixed part of a record (see kMinimumRecordBytes).
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const std::size_t size = bytes != nullptr ? zrt::psm::kMinimumRecordBytes : 0;
    const auto state = zrt::presentation::mapDisplay(static_cast<std::uint32_t>(kind), bytes, size, previousDisplayId);
    if (!state) return FALSE;
    const HMODULE module = library != nullptr ? library : zrt::psm::libraryModule();
    fillTables(module, *state);
    fillRecord(module, *state, *display);
    return TRUE;
}
