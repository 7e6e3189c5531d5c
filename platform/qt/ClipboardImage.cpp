#include "platform/qt/ClipboardImage.h"

#include <algorithm>
#include <limits>

#include <QPainter>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Dib.h"
#include "platform/qt/DibImage.h"

namespace {

constexpr std::size_t InfoHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t value)
{
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Density(int dotsPerMeter)
{
    return static_cast<std::uint32_t>(std::clamp(dotsPerMeter, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

QString ClipboardMimeType(std::uint16_t format)
{
    switch (format) {
    case CF_ENHMETAFILE: return QStringLiteral("image/emf");
    case CF_METAFILEPICT: return QStringLiteral("image/wmf");
    case CF_PALETTE: return QStringLiteral("application/x-quorvel-palette");
    default: return QStringLiteral("application/x-quorvel-clipboard-format-%1").arg(format);
    }
}

QImage PackedDibToQImage(const std::vector<std::uint8_t>& data)
{
    TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(CF_DIB, data, 0);
    return DibToQImage(bitmap.Dib(), bitmap.Width(), bitmap.Height(), false);
}

std::optional<std::vector<std::uint8_t>> QImageToPackedDib(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    const int width = image.width();
    const int height = image.height();
    if (width <= 0 || height <= 0 || width > MaxPictureDimension || height > MaxPictureDimension)
        return std::nullopt;
    const std::size_t stride = DibStride(width, 24);
    if (stride == 0 || stride > MaxPixelStoreBytes / static_cast<std::size_t>(height))
        return std::nullopt;
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
    if (pixelBytes > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;

    QImage flat;
    if (image.hasAlphaChannel()) {
        flat = QImage(width, height, QImage::Format_RGB32);
        if (flat.isNull())
            return std::nullopt;
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    } else {
        flat = image.convertToFormat(QImage::Format_RGB32);
        if (flat.isNull())
            return std::nullopt;
    }

    std::vector<std::uint8_t> dib(InfoHeaderSize + pixelBytes, 0);
    Put32(dib, 0, InfoHeaderSize);
    Put32(dib, 4, static_cast<std::uint32_t>(width));
    Put32(dib, 8, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    Put16(dib, 12, 1);                                   // planes
    Put16(dib, 14, 24);                                  // bits per pixel
    Put32(dib, 16, 0);                                   // uncompressed
    Put32(dib, 20, static_cast<std::uint32_t>(pixelBytes));
    Put32(dib, 24, Density(flat.dotsPerMeterX()));
    Put32(dib, 28, Density(flat.dotsPerMeterY()));
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(flat.constScanLine(height - 1 - y));
        std::uint8_t* out = dib.data() + InfoHeaderSize + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(qBlue(in[x]));
            out[1] = static_cast<std::uint8_t>(qGreen(in[x]));
            out[2] = static_cast<std::uint8_t>(qRed(in[x]));
        }
    }
    return dib;
}
