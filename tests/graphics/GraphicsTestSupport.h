#pragma once
// Helpers shared by the graphics tests: white bitmaps, the set of pixels a drawing lit, temporary
// files, and a small BMP file image built byte by byte.
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/Bitmap.h"

using PixelSet = std::set<std::pair<std::int32_t, std::int32_t>>;

inline TBitmap& MakeWhite(TBitmap& bitmap, std::int32_t width, std::int32_t height)
{
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = clWhite;
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}

// Every pixel that is no longer white.
inline PixelSet NonWhite(TBitmap& bitmap)
{
    PixelSet lit;
    for (std::int32_t y = 0; y < bitmap.Height(); ++y)
        for (std::int32_t x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixel(x, y) != clWhite)
                lit.insert({x, y});
    return lit;
}

inline void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// A bottom-up 24-bit BMP file image; pixels[y][x] in 0x00BBGGRR, top row first.
inline std::vector<std::uint8_t> Bmp24(const std::vector<std::vector<TColor>>& pixels)
{
    const auto height = static_cast<std::uint32_t>(pixels.size());
    const auto width = static_cast<std::uint32_t>(pixels.empty() ? 0 : pixels[0].size());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> out{'B', 'M'};
    PutU32(out, 54 + stride * height);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);
    PutU16(out, 24);
    for (int i = 0; i < 6; ++i)
        PutU32(out, 0);
    for (std::uint32_t row = height; row-- > 0;) {
        for (TColor c : pixels[row]) {
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

// A folder of its own under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
