#include "platform/graphics/EmfWriter.h"

#include <cmath>

#include "platform/graphics/DibPixels.h"

namespace {

constexpr std::uint32_t EmrHeader = 1, EmrEof = 14, EmrStretchDibits = 81;
constexpr std::uint32_t SrcCopy = 0x00CC0020;
constexpr std::uint32_t HeaderBytes = 88, StretchDibitsFixedBytes = 80, InfoHeaderBytes = 40, EofBytes = 20;
constexpr double HundredthMillimetresPerPixel = 2540.0 / 96;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }

}  // namespace

std::vector<std::uint8_t> EnhancedMetafileOfPicture(const TDib& picture)
{
    const std::int64_t width = picture.Width, height = picture.Height;
    const std::uint32_t stride = U((width * 3 + 3) / 4 * 4);
    const std::uint32_t bitsBytes = U(stride * height);
    const std::uint32_t recordBytes = StretchDibitsFixedBytes + InfoHeaderBytes + bitsBytes;
    const std::uint32_t totalBytes = HeaderBytes + recordBytes + EofBytes;
    std::vector<std::uint8_t> out;
    out.reserve(totalBytes);

    // Header: bounds in pixels, frame in hundredths of a millimetre, a 96 dpi reference device.
    Put32(out, EmrHeader);
    Put32(out, HeaderBytes);
    for (std::int64_t v : {std::int64_t{0}, std::int64_t{0}, width - 1, height - 1})
        Put32(out, U(v));
    for (double v : {0.0, 0.0, std::round(width * HundredthMillimetresPerPixel), std::round(height * HundredthMillimetresPerPixel)})
        Put32(out, U(static_cast<std::int64_t>(v)));
    Put32(out, 0x464D4520);  // " EMF"
    Put32(out, 0x10000);
    Put32(out, totalBytes);
    Put32(out, 3);  // records
    Put16(out, 1);  // handles: none but the metafile's own
    Put16(out, 0);
    for (int i = 0; i < 3; ++i)  // no description, no palette
        Put32(out, 0);
    for (std::uint32_t v : {960u, 960u, 254u, 254u})
        Put32(out, v);

    Put32(out, EmrStretchDibits);
    Put32(out, recordBytes);
    for (std::int64_t v : {std::int64_t{0}, std::int64_t{0}, width - 1, height - 1})
        Put32(out, U(v));
    for (std::int64_t v : {std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, width, height})
        Put32(out, U(v));  // destination and source corners, source size
    Put32(out, StretchDibitsFixedBytes);
    Put32(out, InfoHeaderBytes);
    Put32(out, StretchDibitsFixedBytes + InfoHeaderBytes);
    Put32(out, bitsBytes);
    Put32(out, 0);  // RGB colours
    Put32(out, SrcCopy);
    Put32(out, U(width));
    Put32(out, U(height));
    // A bottom-up 24-bit picture.
    Put32(out, InfoHeaderBytes);
    Put32(out, U(width));
    Put32(out, U(height));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i)
        Put32(out, i == 1 ? bitsBytes : 0);
    for (std::int64_t y = height - 1; y >= 0; --y) {
        for (std::int64_t x = 0; x < width; ++x) {
            const TColor c = ReadDibPixel(picture, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
        out.resize(out.size() + static_cast<std::size_t>(stride - width * 3), 0);
    }

    for (std::uint32_t v : {EmrEof, EofBytes, 0u, 16u, EofBytes})
        Put32(out, v);
    return out;
}
