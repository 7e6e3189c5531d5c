#pragma once
// Reading and writing single pixels of a TDib in any of its pixel formats, and converting a store
// to another format. Colours are 0x00BBGGRR; a stored pixel value is a palette index for the
// indexed formats and the packed bits otherwise. Coordinates must lie inside the store.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Dib.h"
#include "platform/graphics/Types.h"

bool IsIndexedFormat(TPixelFormat format);

// Index x of a row of bits-bit indices (1, 2, 4 or 8 bits), most significant bits first, as BMP rows
// and indexed stores hold them.
inline std::uint32_t PackedIndex(const std::uint8_t* row, std::size_t x, int bits)
{
    const std::size_t bit = x * static_cast<std::size_t>(bits);
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bits) - 1);
}

// The stored value of a pixel (index or packed bits), as WriteDibPixel takes it.
std::uint32_t ReadDibValue(const TDib& dib, std::int32_t x, std::int32_t y);
// The colour of a pixel; an index beyond the colour table reads as black.
TColor ReadDibPixel(const TDib& dib, std::int32_t x, std::int32_t y);
// The stored value that shows colour best: the nearest colour-table entry (first of equals) for
// the indexed formats, the colour itself otherwise.
std::uint32_t EncodeDibColor(const TDib& dib, TColor color);
void WriteDibPixel(TDib& dib, std::int32_t x, std::int32_t y, std::uint32_t value);
// Writes value into columns x0..x1-1 of row y.
void FillDibRow(TDib& dib, std::int32_t y, std::int32_t x0, std::int32_t x1, std::uint32_t value);

std::uint8_t NearestPaletteIndex(const std::vector<TRGBQuad>& palette, TColor color);
// The colour table a store receives when converted to an indexed format whose table it can't
// keep: black and white; the 16 standard colours; a 6x6x6 colour cube followed by 40 greys.
std::vector<TRGBQuad> DefaultPalette(TPixelFormat format);

// A copy of dib in another pixel format, each pixel mapped to its best stored value.
TDib ConvertDib(const TDib& dib, TPixelFormat format);
// A store of the given size and format whose every pixel shows white.
TDib WhiteDib(std::int32_t width, std::int32_t height, TPixelFormat format, std::vector<TRGBQuad> palette);
