#include "platform/controls/Clipboard.h"

#include <algorithm>

#include "platform/controls/Services.h"

namespace {

IClipboardService& Service()
{
    return *PlatformServices().Clipboard;
}

// A palette handle this code was given to own: freed at the end of the scope, whatever happens.
class TOwnedPalette {
public:
    explicit TOwnedPalette(HPALETTE handle) : handle_(handle) {}
    ~TOwnedPalette() { DeleteObject(handle_); }
    TOwnedPalette(const TOwnedPalette&) = delete;
    TOwnedPalette& operator=(const TOwnedPalette&) = delete;
    HPALETTE Handle() const { return handle_; }

private:
    HPALETTE handle_;
};

}  // namespace

void TClipboard::Assign(const TPicture& picture)
{
    if (picture.Graphic() != nullptr)
        Assign(*picture.Graphic());
}

void TClipboard::Assign(TGraphic& graphic)
{
    // The graphic gives its data first: one that can't go to the clipboard raises here, before the
    // clipboard has been emptied.
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE handle = 0;
    graphic.SaveToClipboardFormat(format, data, handle);
    const TOwnedPalette palette(handle);
    std::vector<TClipboardItem> items{{format, std::move(data)}};
    if (palette.Handle() != 0)
        items.push_back({CF_PALETTE, EncodePalette(palette.Handle())});
    Service().SetContent(items);
}

void TClipboard::Clear()
{
    Service().SetContent({});
}

bool TClipboard::HasFormat(std::uint16_t format) const
{
    return Service().HasFormat(format);
}

std::vector<std::uint8_t> TClipboard::GetAsData(std::uint16_t format) const
{
    return Service().GetData(format).value_or(std::vector<std::uint8_t>{});
}

void TClipboard::SetAsData(std::uint16_t format, std::vector<std::uint8_t> data)
{
    Service().SetContent({{format, std::move(data)}});
}

HPALETTE TClipboard::GetPalette() const
{
    const auto data = Service().GetData(CF_PALETTE);
    if (!data)
        return 0;
    const TLogPalette palette = DecodePalette(*data);
    return palette.palPalEntry.empty() ? 0 : CreatePalette(palette);
}

bool TClipboard::GetBitmap(TBitmap& bitmap) const
{
    const auto data = Service().GetData(CF_BITMAP);
    if (!data)
        return false;
    // The bitmap takes its colours from the DIB's own table; the palette is only lent to it.
    const TOwnedPalette palette(GetPalette());
    bitmap.LoadFromClipboardFormat(CF_BITMAP, *data, palette.Handle());
    return true;
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

std::vector<std::uint8_t> EncodePalette(HPALETTE palette)
{
    const std::vector<TPaletteEntry> entries = GetPaletteEntries(palette);
    const std::size_t count = std::min<std::size_t>(entries.size(), 0xFFFF);
    std::vector<std::uint8_t> data{0x00, 0x03, static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8)};
    for (std::size_t i = 0; i < count; ++i) {
        const TPaletteEntry& e = entries[i];
        data.insert(data.end(), {e.peRed, e.peGreen, e.peBlue, e.peFlags});
    }
    return data;
}

TLogPalette DecodePalette(const std::vector<std::uint8_t>& data)
{
    TLogPalette palette;
    if (data.size() < 4)
        return palette;
    palette.palVersion = static_cast<std::uint16_t>(data[0] | (data[1] << 8));
    const std::size_t count = static_cast<std::size_t>(data[2] | (data[3] << 8));
    if (count == 0 || count > (data.size() - 4) / 4)
        return palette;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = data.data() + 4 + 4 * i;
        palette.palPalEntry.push_back({p[0], p[1], p[2], p[3]});
    }
    return palette;
}
