#pragma once
// Pixel reads of a picture's bitmap for scans over whole rows and columns: the common 24- and
// 32-bit stores are read in place, other formats through the bitmap. Reads outside the picture
// yield InvalidColor (0xFFFFFFFF), which measures like white.
#include <cstdint>

#include "platform/graphics/Bitmap.h"

class TSourcePixels {
public:
    // The canvas's bitmap must not be replaced or resized while the reader is in use.
    explicit TSourcePixels(const TCanvas& canvas) : bitmap_(canvas.Target()), dib_(bitmap_.Dib()) {}

    TColor At(std::int32_t x, std::int32_t y) const
    {
        if (x < 0 || y < 0 || x >= dib_.Width || y >= dib_.Height)
            return InvalidColor;
        switch (dib_.PixelFormat) {
        case TPixelFormat::pf24bit: return FromBgr(dib_.Row(y) + 3 * static_cast<std::size_t>(x));
        case TPixelFormat::pf32bit: return FromBgr(dib_.Row(y) + 4 * static_cast<std::size_t>(x));
        default: return bitmap_.PixelAt(x, y);
        }
    }

private:
    static TColor FromBgr(const std::uint8_t* p) { return RGB(p[2], p[1], p[0]); }

    const TBitmap& bitmap_;
    const TDib& dib_;
};
