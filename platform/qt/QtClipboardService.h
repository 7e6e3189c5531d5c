#pragma once
// The desktop's clipboard (QClipboard) in the original formats; see ClipboardImage.h for how each
// format travels. Data read back comes from other programs and is checked before use.
#include "platform/controls/Services.h"

class TQtClipboardService : public IClipboardService {
public:
    // Converts every item first, so data that can't be converted leaves the clipboard untouched
    // (the bitmap reader's error is raised).
    void SetContent(const std::vector<TClipboardItem>& items) override;
    bool HasFormat(std::uint16_t format) const override;
    // CF_BITMAP and CF_DIB: the desktop's image as a packed 24-bit DIB; an image too large to take
    // raises EInvalidGraphic.
    std::optional<std::vector<std::uint8_t>> GetData(std::uint16_t format) const override;
};
