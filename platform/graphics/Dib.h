#pragma once
// A device-independent pixel store: what a TBitmap holds and what the BMP reader and writer
// exchange. Rows are stored top-down, each Stride bytes long (a multiple of 4, as in a BMP file).
//   pf1bit/pf4bit/pf8bit: palette indices, most significant bits first; Palette holds the colours
//   pf24bit: blue, green, red bytes
//   pf32bit: blue, green, red, reserved bytes
#include <cstddef>
#include <cstdint>
#include <vector>

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

struct TRGBQuad {
    std::uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
    friend bool operator==(const TRGBQuad&, const TRGBQuad&) = default;
};

// Largest width or height a picture may have, and the largest pixel store in bytes: checked
// before anything is allocated, so a header can't make the program reserve absurd memory.
inline constexpr std::int32_t MaxPictureDimension = 1 << 16;
inline constexpr std::size_t MaxPixelStoreBytes = std::size_t{1} << 31;

int BitsPerPixel(TPixelFormat format);  // 0 for pfDevice and pfCustom

struct TDib {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    TPixelFormat PixelFormat = TPixelFormat::pf24bit;
    std::vector<TRGBQuad> Palette;     // for the indexed formats; empty otherwise
    std::size_t Stride = 0;            // bytes per row
    std::vector<std::uint8_t> Bits;    // Height rows of Stride bytes, top row first

    // Reserves a zero-filled store; raises EOutOfResources when the dimensions exceed the limits.
    void Allocate(std::int32_t width, std::int32_t height, TPixelFormat format);
    bool Empty() const { return Width == 0 || Height == 0; }
    std::uint8_t* Row(std::int32_t y) { return Bits.data() + static_cast<std::size_t>(y) * Stride; }
    const std::uint8_t* Row(std::int32_t y) const { return Bits.data() + static_cast<std::size_t>(y) * Stride; }
};

// Bytes per row of a BMP-style store: ((width * bits + 31) / 32) * 4, or 0 when that would not
// fit a size_t (callers treat 0 with a non-zero width as too large).
std::size_t DibStride(std::int32_t width, int bitsPerPixel);

// True when a store's fields describe its bytes, as every store Allocate or the BMP reader makes
// does: a storable format, sides 0 to MaxPictureDimension, rows of DibStride bytes, and Bits long
// enough for all of them. Pixel access and the writer rely on it.
bool IsWellFormed(const TDib& dib);
