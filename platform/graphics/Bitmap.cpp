#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/DibPixels.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TBitmap, TGraphic, true)

namespace {

// |value|, kept within 32 bits: graphics report a top-down picture's height as negative.
std::int32_t Magnitude(std::int32_t value)
{
    return static_cast<std::int32_t>(std::min<std::int64_t>(std::llabs(value), INT32_MAX));
}

std::vector<TRGBQuad> ToColourTable(const std::vector<TPaletteEntry>& entries, std::size_t limit)
{
    std::vector<TRGBQuad> table;
    for (std::size_t i = 0; i < entries.size() && i < limit; ++i)
        table.push_back(TRGBQuad{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0});
    return table;
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::~TBitmap() { DropPalette(); }

void TBitmap::DropPalette()
{
    if (palette_ != 0)
        DeleteObject(palette_);
    palette_ = 0;
}

void TBitmap::ReplaceDib(TDib dib)
{
    dib_ = std::move(dib);
    DropPalette();
}

bool TBitmap::Empty() const { return dib_.Empty(); }

void TBitmap::SetWidth(std::int32_t value) { SetSize(value, Height()); }

void TBitmap::SetHeight(std::int32_t value) { SetSize(Width(), value); }

void TBitmap::SetSize(std::int32_t width, std::int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == dib_.Width && height == dib_.Height)
        return;
    TDib resized = WhiteDib(width, height, dib_.PixelFormat, dib_.Palette);
    // With the same colour table stored values copy as they are; a table the depth can't hold was
    // replaced, and the kept pixels are mapped to it.
    const bool sameTable = resized.Palette == dib_.Palette;
    const std::int32_t keptWidth = std::min(width, dib_.Width), keptHeight = std::min(height, dib_.Height);
    for (std::int32_t y = 0; y < keptHeight; ++y)
        for (std::int32_t x = 0; x < keptWidth; ++x)
            WriteDibPixel(resized, x, y,
                          sameTable ? ReadDibValue(dib_, x, y) : EncodeDibColor(resized, ReadDibPixel(dib_, x, y)));
    if (sameTable)
        dib_ = std::move(resized);  // the palette handle still matches the table
    else
        ReplaceDib(std::move(resized));
    Changed(this);
}

HPALETTE TBitmap::Palette() const
{
    if (palette_ != 0 && !IsPalette(palette_))  // deleted behind the bitmap's back
        palette_ = 0;
    if (palette_ == 0 && !dib_.Palette.empty()) {
        TLogPalette logical;
        for (const TRGBQuad& q : dib_.Palette)
            logical.palPalEntry.push_back(TPaletteEntry{q.rgbRed, q.rgbGreen, q.rgbBlue, 0});
        palette_ = CreatePalette(logical);
    }
    return palette_;
}

void TBitmap::SetPalette(HPALETTE palette)
{
    if (palette == palette_ && palette != 0)
        return;
    if (!IsPalette(palette))
        palette = 0;
    DropPalette();
    palette_ = palette;
    if (palette != 0 && IsIndexedFormat(dib_.PixelFormat)) {
        std::vector<TRGBQuad> table =
            ToColourTable(GetPaletteEntries(palette), std::size_t{1} << BitsPerPixel(dib_.PixelFormat));
        if (!table.empty())
            dib_.Palette = std::move(table);
    }
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == dib_.PixelFormat)
        return;
    ReplaceDib(ConvertDib(dib_, format));
    Changed(this);
}

void TBitmap::SetDib(TDib dib)
{
    // A store handed in must describe its own bytes, or every later pixel access could run past them.
    if (!IsWellFormed(dib))
        throw EInvalidGraphic(Messages::InvalidBitmap);
    ReplaceDib(std::move(dib));
    Changed(this);
}

TColor TBitmap::PixelAt(std::int32_t x, std::int32_t y) const { return ReadDibPixel(dib_, x, y); }

void TBitmap::SetPixelAt(std::int32_t x, std::int32_t y, TColor color)
{
    WriteDibPixel(dib_, x, y, EncodeDibColor(dib_, color & 0xFFFFFF));
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) { canvas.StretchDrawDib(rect, dib_); }

void TBitmap::LoadFromStream(TStream& stream) { SetDib(ReadBmpStream(stream)); }

void TBitmap::SaveToStream(TStream& stream) { WriteBmpFile(dib_, stream); }

void TBitmap::LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data, HPALETTE)
{
    if (format != CF_BITMAP && format != CF_DIB)
        throw EInvalidGraphic(Messages::UnknownClipboardFormat);
    TDib dib;
    try {
        dib = ReadPackedDib(data.data(), data.size());
    } catch (const EReadError&) {
        // Clipboard data is a block in memory, not a stream: data shorter than its header says is a
        // broken bitmap.
        throw EInvalidGraphic(Messages::InvalidBitmap);
    }
    SetDib(std::move(dib));
}

void TBitmap::SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data, HPALETTE& palette)
{
    TMemoryStream packed;
    if (!Empty())
        WritePackedDib(dib_, packed);
    const HPALETTE own = Palette();
    format = CF_BITMAP;
    data = packed.Bytes();
    palette = own != 0 ? CopyPalette(own) : 0;
}

void TBitmap::Assign(const TPersistent* source)
{
    if (source == nullptr) {
        ReplaceDib(TDib{});
        Changed(this);
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        if (bitmap == this)
            return;
        TDib copy = bitmap->dib_;
        const HPALETTE palette = bitmap->palette_ != 0 ? CopyPalette(bitmap->palette_) : 0;
        ReplaceDib(std::move(copy));
        palette_ = palette;
        Changed(this);
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        // Drawn on a scratch bitmap first, so a graphic that fails to draw leaves this one as it was.
        // Draw isn't const; drawing leaves the source's picture unchanged.
        auto& drawable = const_cast<TGraphic&>(*graphic);
        const std::int32_t width = Magnitude(drawable.Width()), height = Magnitude(drawable.Height());
        TBitmap scratch;
        scratch.dib_ = WhiteDib(width, height, TPixelFormat::pf24bit, {});
        drawable.Draw(scratch.Canvas(), TRect{0, 0, width, height});
        ReplaceDib(std::move(scratch.dib_));
        Changed(this);
        return;
    }
    TPersistent::Assign(source);
}
