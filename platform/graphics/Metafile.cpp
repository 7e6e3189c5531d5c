#include "platform/graphics/Metafile.h"

#include <cmath>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/EmfPlayer.h"
#include "platform/graphics/EmfWriter.h"
#include "platform/graphics/StreamBytes.h"
#include "platform/graphics/WmfPlayer.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TMetafile, TGraphic, true)

namespace {

constexpr const char* InvalidMetafile = "メタファイルが不正です";

constexpr double ScreenPixelsPerInch = 96;
constexpr double HundredthMillimetresPerInch = 2540;

struct Extent {
    std::int32_t width, height;
};

// A length in some unit, in screen pixels, rounded half away from zero and kept in range.
std::int32_t ToScreenPixels(double length, double unitsPerInch)
{
    const double pixels = std::round(length * ScreenPixelsPerInch / unitsPerInch);
    if (!std::isfinite(pixels))
        return 0;
    return static_cast<std::int32_t>(std::clamp(pixels, -2147483647.0, 2147483647.0));
}

std::int32_t LoadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LoadU32(p)); }

Extent EnhancedExtent(const std::vector<std::uint8_t>& file)
{
    // rclFrame, in hundredths of a millimetre.
    const double left = LoadI32(file.data() + 24), top = LoadI32(file.data() + 28);
    const double right = LoadI32(file.data() + 32), bottom = LoadI32(file.data() + 36);
    return {ToScreenPixels(right - left, HundredthMillimetresPerInch),
            ToScreenPixels(bottom - top, HundredthMillimetresPerInch)};
}

}  // namespace

void TMetafile::SetWidth(std::int32_t value)
{
    if (value != width_) {
        width_ = value;
        Changed(this);
    }
}

void TMetafile::SetHeight(std::int32_t value)
{
    if (value != height_) {
        height_ = value;
        Changed(this);
    }
}

void TMetafile::Draw(TCanvas& canvas, const TRect& rect)
{
    if (data_.empty() || rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    TBitmap& target = canvas.Target();
    if (enhanced_) {
        metafile::EmfLayout layout;
        if (metafile::ReadEmfLayout(data_.data(), data_.size(), layout))
            metafile::PlayEmf(data_.data(), layout, target, rect);
        return;
    }
    metafile::WmfLayout layout;
    if (metafile::ReadWmfLayout(data_.data(), data_.size(), layout))
        metafile::PlayWmf(data_.data(), layout, metafile::WmfPictureFrame(data_.data(), layout), target, rect);
}

void TMetafile::Take(std::vector<std::uint8_t> data)
{
    Extent extent{};
    bool enhanced = false;
    metafile::EmfLayout emf;
    metafile::WmfLayout wmf;
    if (metafile::ReadEmfLayout(data.data(), data.size(), emf)) {
        extent = EnhancedExtent(data);
        enhanced = true;
    } else if (metafile::ReadWmfLayout(data.data(), data.size(), wmf)) {
        const metafile::WmfFrame frame = metafile::WmfPictureFrame(data.data(), wmf);
        extent = {ToScreenPixels(frame.Width, frame.UnitsPerInch), ToScreenPixels(frame.Height, frame.UnitsPerInch)};
    } else {
        throw EInvalidGraphic(InvalidMetafile);
    }
    data_ = std::move(data);
    enhanced_ = enhanced;
    width_ = extent.width;
    height_ = extent.height;
    Changed(this);
}

void TMetafile::LoadFromStream(TStream& stream)
{
    std::optional<std::vector<std::uint8_t>> file = ReadRemainingBytes(stream);
    if (!file)
        throw EInvalidGraphic(InvalidMetafile);
    Take(std::move(*file));
}

void TMetafile::SaveToStream(TStream& stream)
{
    if (!data_.empty())
        stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TMetafile::LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data, HPALETTE)
{
    metafile::EmfLayout emf;
    metafile::WmfLayout wmf;
    if (format == CF_ENHMETAFILE) {
        if (!metafile::ReadEmfLayout(data.data(), data.size(), emf))
            throw EInvalidGraphic(InvalidMetafile);
    } else if (format == CF_METAFILEPICT) {
        // The clipboard carries the records alone, without a placeable header.
        if (!metafile::ReadWmfLayout(data.data(), data.size(), wmf) || wmf.Placeable)
            throw EInvalidGraphic(InvalidMetafile);
    } else {
        throw EInvalidGraphic(Messages::UnknownClipboardFormat);
    }
    Take(data);
}

void TMetafile::SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data, HPALETTE& palette)
{
    format = CF_ENHMETAFILE;
    palette = 0;
    if (enhanced_ || data_.empty()) {
        data = data_;
        return;
    }
    // Programs take enhanced metafiles from the clipboard: a Windows metafile goes as one that
    // holds its picture, drawn at its own size.
    TBitmap picture;
    picture.Assign(this);
    data = EnhancedMetafileOfPicture(picture.Dib());
}

void TMetafile::Assign(const TPersistent* source)
{
    if (source == nullptr) {
        data_.clear();
        enhanced_ = true;
        width_ = height_ = 0;
        Changed(this);
        return;
    }
    if (const auto* metafile = dynamic_cast<const TMetafile*>(source)) {
        if (metafile != this) {
            data_ = metafile->data_;
            enhanced_ = metafile->enhanced_;
            width_ = metafile->width_;
            height_ = metafile->height_;
            Changed(this);
        }
        return;
    }
    TPersistent::Assign(source);
}
