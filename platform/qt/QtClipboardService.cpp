#include "platform/qt/QtClipboardService.h"

#include <memory>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Graphic.h"
#include "platform/qt/ClipboardImage.h"

namespace {

bool IsBitmapFormat(std::uint16_t format)
{
    return format == CF_BITMAP || format == CF_DIB;
}

// Our own bitmaps also travel as the packed DIB itself, so a copy pasted back keeps its depth and
// colour table; other programs see the image.
const QString PackedDibType = QStringLiteral("application/x-quorvel-packed-dib");

QByteArray ToBytes(const std::vector<std::uint8_t>& data)
{
    return QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
}

const QMimeData* Content()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard == nullptr ? nullptr : clipboard->mimeData();
}

}  // namespace

void TQtClipboardService::SetContent(const std::vector<TClipboardItem>& items)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    if (items.empty()) {
        clipboard->clear();
        return;
    }
    auto data = std::make_unique<QMimeData>();
    bool hasImage = false;
    for (const TClipboardItem& item : items) {
        if (IsBitmapFormat(item.Format)) {
            if (hasImage || item.Data.empty())  // an empty bitmap has no image to offer
                continue;
            data->setImageData(PackedDibToQImage(item.Data));
            data->setData(PackedDibType, ToBytes(item.Data));
            hasImage = true;
        } else {
            data->setData(ClipboardMimeType(item.Format), ToBytes(item.Data));
        }
    }
    clipboard->setMimeData(data.release());
}

bool TQtClipboardService::HasFormat(std::uint16_t format) const
{
    const QMimeData* data = Content();
    if (data == nullptr)
        return false;
    if (IsBitmapFormat(format))
        return data->hasFormat(PackedDibType) || data->hasImage();
    return data->hasFormat(ClipboardMimeType(format));
}

std::optional<std::vector<std::uint8_t>> TQtClipboardService::GetData(std::uint16_t format) const
{
    const QMimeData* data = Content();
    if (data == nullptr)
        return std::nullopt;
    if (IsBitmapFormat(format)) {
        if (data->hasFormat(PackedDibType)) {
            const QByteArray bytes = data->data(PackedDibType);
            return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
        }
        if (!data->hasImage())
            return std::nullopt;
        auto dib = QImageToPackedDib(qvariant_cast<QImage>(data->imageData()));
        if (!dib)
            throw EInvalidGraphic(Messages::InvalidBitmap);
        return dib;
    }
    const QString type = ClipboardMimeType(format);
    if (!data->hasFormat(type))
        return std::nullopt;
    const QByteArray bytes = data->data(type);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
