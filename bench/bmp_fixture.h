#pragma once
// Pictures for the BMP benchmarks: stores with a pattern, and their BMP file images.
#include <cstdint>
#include <vector>

#include "platform/core/Streams.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/Dib.h"

namespace bmpbench {

inline TDib PatternedDib(std::int32_t width, std::int32_t height, TPixelFormat format)
{
    TDib dib;
    dib.Allocate(width, height, format);
    if (BitsPerPixel(format) <= 8)
        for (int i = 0; i < (1 << BitsPerPixel(format)); ++i)
            dib.Palette.push_back(TRGBQuad{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                                           static_cast<std::uint8_t>(i * 7), 0});
    for (std::size_t i = 0; i < dib.Bits.size(); ++i)
        dib.Bits[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    return dib;
}

inline std::vector<std::uint8_t> BmpBytes(const TDib& dib)
{
    TMemoryStream stream;
    WriteBmpFile(dib, stream);
    return stream.Bytes();
}

}  // namespace bmpbench
