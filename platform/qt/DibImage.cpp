#include "platform/qt/DibImage.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DibPixels.h"

namespace {

constexpr QRgb OpaqueBlack = 0xFF000000u;

template <bool LeaveOutWhite>
inline QRgb Shown(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const QRgb rgb = (QRgb{red} << 16) | (QRgb{green} << 8) | blue;
    if constexpr (LeaveOutWhite)
        return rgb == 0xFFFFFFu ? 0u : OpaqueBlack | rgb;
    return OpaqueBlack | rgb;
}

template <bool LeaveOutWhite, int BytesPerPixel>
void ConvertDirect(const TDib& dib, QImage& image)
{
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = dib.Row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += BytesPerPixel)
            out[x] = Shown<LeaveOutWhite>(in[2], in[1], in[0]);
    }
}

// Colours of every index the depth can hold; indices beyond the colour table show black.
template <bool LeaveOutWhite>
std::array<QRgb, 256> IndexColours(const std::vector<TRGBQuad>& palette)
{
    std::array<QRgb, 256> colours;
    colours.fill(Shown<LeaveOutWhite>(0, 0, 0));
    const std::size_t count = std::min<std::size_t>(palette.size(), colours.size());
    for (std::size_t i = 0; i < count; ++i)
        colours[i] = Shown<LeaveOutWhite>(palette[i].rgbRed, palette[i].rgbGreen, palette[i].rgbBlue);
    return colours;
}

// A row is taken a byte at a time, its pixels most significant bits first.
template <bool LeaveOutWhite, int Bits>
void ConvertIndexed(const TDib& dib, QImage& image)
{
    const std::array<QRgb, 256> colours = IndexColours<LeaveOutWhite>(dib.Palette);
    constexpr unsigned Mask = (1u << Bits) - 1;
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = dib.Row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++in) {
            const unsigned byte = *in;
            for (int shift = 8 - Bits; shift >= 0 && x < width; shift -= Bits, ++x)
                out[x] = colours[(byte >> shift) & Mask];
        }
    }
}

template <bool LeaveOutWhite>
void ConvertAny(const TDib& dib, QImage& image)
{
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const TColor c = ReadDibPixel(dib, x, y);
            out[x] = Shown<LeaveOutWhite>(GetRValue(c), GetGValue(c), GetBValue(c));
        }
    }
}

template <bool LeaveOutWhite>
void Convert(const TDib& dib, QImage& image)
{
    switch (dib.PixelFormat) {
    case TPixelFormat::pf24bit: ConvertDirect<LeaveOutWhite, 3>(dib, image); break;
    case TPixelFormat::pf32bit: ConvertDirect<LeaveOutWhite, 4>(dib, image); break;
    case TPixelFormat::pf1bit: ConvertIndexed<LeaveOutWhite, 1>(dib, image); break;
    case TPixelFormat::pf4bit: ConvertIndexed<LeaveOutWhite, 4>(dib, image); break;
    case TPixelFormat::pf8bit: ConvertIndexed<LeaveOutWhite, 8>(dib, image); break;
    default: ConvertAny<LeaveOutWhite>(dib, image); break;
    }
}

bool Consistent(const TDib& dib)
{
    const int bits = BitsPerPixel(dib.PixelFormat);
    if (dib.Width <= 0 || dib.Height <= 0 || bits == 0)
        return false;
    const std::size_t rowBytes = DibStride(dib.Width, bits);
    return rowBytes != 0 && dib.Stride >= rowBytes &&
           dib.Bits.size() / dib.Stride >= static_cast<std::size_t>(dib.Height);
}

}  // namespace

QImage DibToQImage(const TDib& dib, int width, int height, bool leaveOutWhite)
{
    if (!Consistent(dib))
        return {};
    width = std::min(width, dib.Width);
    height = std::min(height, dib.Height);
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, leaveOutWhite ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    if (leaveOutWhite)
        Convert<true>(dib, image);
    else
        Convert<false>(dib, image);
    return image;
}

QImage GraphicToQImage(TGraphic& graphic, QSize visible, bool leaveOutWhite)
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic))
        return DibToQImage(bitmap->Dib(), visible.width(), visible.height(), leaveOutWhite);
    if (graphic.Empty())
        return {};
    const int width = std::min(graphic.Width(), visible.width());
    const int height = std::min(graphic.Height(), visible.height());
    if (width <= 0 || height <= 0)
        return {};
    // Painting must not raise: a graphic that can't draw itself simply shows nothing.
    try {
        TBitmap scratch;
        scratch.SetSize(width, height);
        graphic.Draw(scratch.Canvas(), Rect(0, 0, graphic.Width(), graphic.Height()));
        return DibToQImage(scratch.Dib(), width, height, leaveOutWhite);
    } catch (...) {
        return {};
    }
}
