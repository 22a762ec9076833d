#include "statuswindow/shell/display_record.h"

#include <algorithm>

#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

DisplayText toText(const psm::TextRecord& r) {
    return DisplayText{r.x, r.y, r.fontHeight, r.fontWeight, static_cast<std::uint32_t>(r.stringId),
                       fromWideBounded(r.text, kMaxTextRead)};
}

}  // namespace

Display toDisplay(const psm::DisplayRecord& record) {
    Display d;
    d.id = static_cast<std::uint32_t>(record.displayId);
    d.hasWindowIcon = record.windowIcon != nullptr;
    if (record.headline != nullptr) d.headline = toText(*record.headline);
    if (record.messages != nullptr) {
        const std::int32_t count = std::clamp(record.messageCount, 0, kMaxMessagesRead);
        for (std::int32_t i = 0; i < count; ++i) d.messages.push_back(toText(record.messages[i]));
    }
    d.background = static_cast<std::uint32_t>(record.background);
    d.pictureId = record.picture != nullptr ? record.picture->bitmapId : 0;
    d.animationMode = static_cast<std::uint32_t>(record.animationMode);
    if (record.frames != nullptr) {
        const std::int32_t count = std::clamp(record.frameCount, 0, kMaxFramesRead);
        for (std::int32_t i = 0; i < count; ++i)
            d.frameDurationsMs.push_back(static_cast<std::uint32_t>(std::max(record.frames[i].durationMs, 1)));
    }
    d.pagesText = static_cast<std::uint32_t>(record.pagesText);
    if (record.sound != nullptr) d.sound = fromWideBounded(record.sound, kMaxSoundNameRead);
    return d;
}

}  // namespace zrt::statuswindow::shell
