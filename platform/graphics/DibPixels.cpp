#include "platform/graphics/DibPixels.h"

#include <cstring>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/graphics/StreamBytes.h"

namespace {

TRGBQuad Quad(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return TRGBQuad{b, g, r, 0}; }

TColor QuadColor(const TRGBQuad& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }

void Write16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Widens a 5- or 6-bit channel to 8 bits, rounded to nearest, so that full intensity stays full
// (31 -> 255); the BMP reader scales 16-bit pixels the same way, so a store reads back as it shows.
std::uint8_t Widen5(std::uint32_t v) { return static_cast<std::uint8_t>((v * 255 + 15) / 31); }
std::uint8_t Widen6(std::uint32_t v) { return static_cast<std::uint8_t>((v * 255 + 31) / 63); }

int IndexBits(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    default: return 0;
    }
}

void WriteIndex(std::uint8_t* row, std::int32_t x, int bits, std::uint32_t value)
{
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    const unsigned mask = ((1u << bits) - 1) << shift;
    std::uint8_t& byte = row[bit / 8];
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

}  // namespace

bool IsIndexedFormat(TPixelFormat format) { return IndexBits(format) != 0; }

std::uint32_t ReadDibValue(const TDib& dib, std::int32_t x, std::int32_t y)
{
    const std::uint8_t* row = dib.Row(y);
    switch (dib.PixelFormat) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit: return PackedIndex(row, static_cast<std::size_t>(x), IndexBits(dib.PixelFormat));
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return LoadU16(row + 2 * static_cast<std::size_t>(x));
    default: return ReadDibPixel(dib, x, y);
    }
}

TColor ReadDibPixel(const TDib& dib, std::int32_t x, std::int32_t y)
{
    const std::uint8_t* row = dib.Row(y);
    switch (dib.PixelFormat) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit: {
        const std::uint32_t index = PackedIndex(row, static_cast<std::size_t>(x), IndexBits(dib.PixelFormat));
        return index < dib.Palette.size() ? QuadColor(dib.Palette[index]) : clBlack;
    }
    case TPixelFormat::pf15bit: {
        const std::uint32_t v = LoadU16(row + 2 * static_cast<std::size_t>(x));
        return RGB(Widen5((v >> 10) & 31), Widen5((v >> 5) & 31), Widen5(v & 31));
    }
    case TPixelFormat::pf16bit: {
        const std::uint32_t v = LoadU16(row + 2 * static_cast<std::size_t>(x));
        return RGB(Widen5((v >> 11) & 31), Widen6((v >> 5) & 63), Widen5(v & 31));
    }
    case TPixelFormat::pf32bit: {
        const std::uint8_t* p = row + 4 * static_cast<std::size_t>(x);
        return RGB(p[2], p[1], p[0]);
    }
    default: {  // pf24bit
        const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        return RGB(p[2], p[1], p[0]);
    }
    }
}

std::uint8_t NearestPaletteIndex(const std::vector<TRGBQuad>& palette, TColor color)
{
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        const long dr = palette[i].rgbRed - r, dg = palette[i].rgbGreen - g, db = palette[i].rgbBlue - b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint32_t EncodeDibColor(const TDib& dib, TColor color)
{
    const std::uint32_t r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    switch (dib.PixelFormat) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit: return NearestPaletteIndex(dib.Palette, color);
    case TPixelFormat::pf15bit: return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
    case TPixelFormat::pf16bit: return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
    default: return color & 0xFFFFFF;
    }
}

void WriteDibPixel(TDib& dib, std::int32_t x, std::int32_t y, std::uint32_t value)
{
    std::uint8_t* row = dib.Row(y);
    switch (dib.PixelFormat) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit: WriteIndex(row, x, IndexBits(dib.PixelFormat), value); break;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: Write16(row + 2 * static_cast<std::size_t>(x), value); break;
    case TPixelFormat::pf32bit: {
        std::uint8_t* p = row + 4 * static_cast<std::size_t>(x);
        p[0] = static_cast<std::uint8_t>(value >> 16);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        p[2] = static_cast<std::uint8_t>(value);
        p[3] = 0;
        break;
    }
    default: {
        std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        p[0] = static_cast<std::uint8_t>(value >> 16);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        p[2] = static_cast<std::uint8_t>(value);
        break;
    }
    }
}

void FillDibRow(TDib& dib, std::int32_t y, std::int32_t x0, std::int32_t x1, std::uint32_t value)
{
    if (x0 >= x1)
        return;
    if (dib.PixelFormat == TPixelFormat::pf8bit) {
        std::memset(dib.Row(y) + x0, static_cast<int>(value & 0xFF), static_cast<std::size_t>(x1 - x0));
        return;
    }
    for (std::int32_t x = x0; x < x1; ++x)
        WriteDibPixel(dib, x, y, value);
}

std::vector<TRGBQuad> DefaultPalette(TPixelFormat format)
{
    std::vector<TRGBQuad> palette;
    switch (format) {
    case TPixelFormat::pf1bit: palette = {Quad(0, 0, 0), Quad(255, 255, 255)}; break;
    case TPixelFormat::pf4bit:
        palette = {Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
                   Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
                   Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
                   Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};
        break;
    case TPixelFormat::pf8bit:
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.push_back(Quad(static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                           static_cast<std::uint8_t>(b * 51)));
        for (int k = 1; k <= 40; ++k) {
            const auto grey = static_cast<std::uint8_t>((k * 255 + 20) / 41);
            palette.push_back(Quad(grey, grey, grey));
        }
        break;
    default: break;
    }
    return palette;
}

namespace {

TPixelFormat StorableFormat(TPixelFormat format)
{
    if (format == TPixelFormat::pfDevice)
        return TPixelFormat::pf24bit;  // no device-dependent stores here: the screen's depth
    if (format == TPixelFormat::pfCustom)
        throw EInvalidGraphicOperation("ピクセル形式が不正です");
    return format;
}

std::vector<TRGBQuad> PaletteFor(TPixelFormat format, const std::vector<TRGBQuad>& wanted)
{
    const int bits = IndexBits(format);
    if (bits == 0)
        return {};
    if (!wanted.empty() && wanted.size() <= (std::size_t{1} << bits))
        return wanted;
    return DefaultPalette(format);
}

}  // namespace

TDib ConvertDib(const TDib& dib, TPixelFormat format)
{
    format = StorableFormat(format);
    TDib result;
    result.Allocate(dib.Width, dib.Height, format);
    result.Palette = PaletteFor(format, IsIndexedFormat(dib.PixelFormat) ? dib.Palette : std::vector<TRGBQuad>{});
    // Pictures with few colours convert with one palette search per colour run, not per pixel.
    TColor lastColor = 0;
    std::uint32_t lastValue = EncodeDibColor(result, lastColor);
    for (std::int32_t y = 0; y < dib.Height; ++y)
        for (std::int32_t x = 0; x < dib.Width; ++x) {
            const TColor color = ReadDibPixel(dib, x, y);
            if (color != lastColor) {
                lastColor = color;
                lastValue = EncodeDibColor(result, color);
            }
            WriteDibPixel(result, x, y, lastValue);
        }
    return result;
}

TDib WhiteDib(std::int32_t width, std::int32_t height, TPixelFormat format, std::vector<TRGBQuad> palette)
{
    format = StorableFormat(format);
    TDib result;
    result.Allocate(width, height, format);
    result.Palette = PaletteFor(format, palette);
    if (format == TPixelFormat::pf24bit) {
        // White is all ones in every colour byte; the row padding stays zero.
        for (std::int32_t y = 0; y < height; ++y)
            std::memset(result.Row(y), 0xFF, 3 * static_cast<std::size_t>(width));
        return result;
    }
    const std::uint32_t white = EncodeDibColor(result, clWhite);
    for (std::int32_t y = 0; y < height; ++y)
        FillDibRow(result, y, 0, width, white);
    return result;
}
