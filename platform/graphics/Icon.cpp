#include "platform/graphics/Icon.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/IconDirectory.h"
#include "platform/graphics/IconImage.h"
#include "platform/graphics/StreamBytes.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TIcon, TGraphic, true)

namespace {

constexpr const char* IconSizeFixed = "アイコンのサイズは変更できません";

std::uint8_t Blend(std::uint8_t over, std::uint8_t under, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

TColor DrawnOver(const TIconPixel& pixel, TColor under)
{
    const TColor colour = RGB(pixel.Red, pixel.Green, pixel.Blue);
    if (pixel.Alpha == 255)
        return colour;
    return RGB(Blend(pixel.Red, GetRValue(under), pixel.Alpha), Blend(pixel.Green, GetGValue(under), pixel.Alpha),
               Blend(pixel.Blue, GetBValue(under), pixel.Alpha));
}

}  // namespace

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::SetWidth(std::int32_t value)
{
    if (!Empty())
        throw EInvalidGraphicOperation(IconSizeFixed);
    if (value != width_) {
        width_ = value;
        Changed(this);
    }
}

void TIcon::SetHeight(std::int32_t value)
{
    if (!Empty())
        throw EInvalidGraphicOperation(IconSizeFixed);
    if (value != height_) {
        height_ = value;
        Changed(this);
    }
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect)
{
    if (!image_ || image_->Width == 0 || image_->Height == 0)
        return;
    TBitmap& target = canvas.Target();
    const std::int64_t destWidth = std::int64_t{rect.Right} - rect.Left, destHeight = std::int64_t{rect.Bottom} - rect.Top;
    if (destWidth <= 0 || destHeight <= 0)
        return;
    const std::int64_t x0 = std::max<std::int64_t>(rect.Left, 0), x1 = std::min<std::int64_t>(rect.Right, target.Width());
    const std::int64_t y0 = std::max<std::int64_t>(rect.Top, 0), y1 = std::min<std::int64_t>(rect.Bottom, target.Height());
    for (std::int64_t y = y0; y < y1; ++y) {
        const auto sy = static_cast<std::int32_t>((y - rect.Top) * image_->Height / destHeight);
        for (std::int64_t x = x0; x < x1; ++x) {
            const auto sx = static_cast<std::int32_t>((x - rect.Left) * image_->Width / destWidth);
            const TIconPixel& pixel = image_->At(sx, sy);
            if (pixel.Alpha == 0)
                continue;
            const auto dx = static_cast<std::int32_t>(x), dy = static_cast<std::int32_t>(y);
            target.SetPixelAt(dx, dy, DrawnOver(pixel, target.PixelAt(dx, dy)));
        }
    }
}

void TIcon::LoadFromStream(TStream& stream)
{
    std::optional<std::vector<std::uint8_t>> file = ReadRemainingBytes(stream);
    if (!file)
        ThrowInvalidIcon();
    const std::vector<TIconEntry> entries = ReadIconDirectory(*file);
    auto image = std::make_shared<const TIconImage>(DecodeIconEntry(*file, ChooseIconEntry(entries)));
    data_ = std::move(*file);
    width_ = image->Width;
    height_ = image->Height;
    image_ = std::move(image);
    Changed(this);
}

void TIcon::SaveToStream(TStream& stream)
{
    if (!data_.empty())
        stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TIcon::LoadFromClipboardFormat(std::uint16_t, const std::vector<std::uint8_t>&, HPALETTE)
{
    throw EInvalidGraphic(Messages::IconToClipboard);
}

void TIcon::SaveToClipboardFormat(std::uint16_t&, std::vector<std::uint8_t>&, HPALETTE&)
{
    throw EInvalidGraphic(Messages::IconToClipboard);
}

void TIcon::Assign(const TPersistent* source)
{
    if (source == nullptr) {
        data_.clear();
        image_.reset();
        width_ = height_ = 0;
        Changed(this);
        return;
    }
    if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
        if (icon != this) {
            data_ = icon->data_;
            image_ = icon->image_;
            width_ = icon->width_;
            height_ = icon->height_;
            Changed(this);
        }
        return;
    }
    TPersistent::Assign(source);
}
