#include "platform/controls/MemoryClipboard.h"

void TMemoryClipboard::SetContent(const std::vector<TClipboardItem>& items)
{
    ++setContentCalls_;
    content_.clear();
    for (const TClipboardItem& item : items)
        content_[item.Format] = item.Data;
}

std::optional<std::vector<std::uint8_t>> TMemoryClipboard::GetData(std::uint16_t format) const
{
    auto it = content_.find(format);
    if (it == content_.end())
        return std::nullopt;
    return it->second;
}
