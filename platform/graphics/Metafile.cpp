#include "platform/graphics/Metafile.h"

#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/graphics/StreamBytes.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TMetafile, TGraphic, true)

namespace {

constexpr const char* InvalidMetafile = "メタファイルが不正です";

constexpr std::uint32_t EmrHeader = 1;
constexpr std::uint32_t EmfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t EmfHeaderBytes = 88;
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t PlaceableHeaderBytes = 22;
constexpr std::size_t WmfHeaderBytes = 18;
constexpr std::int64_t ScreenPixelsPerInch = 96;
constexpr std::int64_t HundredthMillimetresPerInch = 2540;

struct Extent {
    std::int32_t width, height;
};

// value * numerator / denominator, rounded half away from zero.
std::int32_t ScaleRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t product = value * numerator;
    const std::int64_t rounded = (std::llabs(product) + denominator / 2) / denominator;
    return static_cast<std::int32_t>(product < 0 ? -rounded : rounded);
}

std::int32_t LoadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LoadU32(p)); }
std::int16_t LoadI16(const std::uint8_t* p) { return static_cast<std::int16_t>(LoadU16(p)); }

bool IsEnhanced(const std::vector<std::uint8_t>& file)
{
    return file.size() >= EmfHeaderBytes && LoadU32(file.data()) == EmrHeader &&
           LoadU32(file.data() + 40) == EmfSignature;
}

// The records of a Windows metafile start with a header of 9 words: type 1 (memory) or 2 (disk).
bool IsWindowsMetafileRecords(const std::uint8_t* p, std::size_t size)
{
    return size >= WmfHeaderBytes && (LoadU16(p) == 1 || LoadU16(p) == 2) && LoadU16(p + 2) == 9;
}

Extent EnhancedExtent(const std::vector<std::uint8_t>& file)
{
    // rclFrame, in hundredths of a millimetre.
    const std::int64_t left = LoadI32(file.data() + 24), top = LoadI32(file.data() + 28);
    const std::int64_t right = LoadI32(file.data() + 32), bottom = LoadI32(file.data() + 36);
    return {ScaleRounded(right - left, ScreenPixelsPerInch, HundredthMillimetresPerInch),
            ScaleRounded(bottom - top, ScreenPixelsPerInch, HundredthMillimetresPerInch)};
}

Extent PlaceableExtent(const std::vector<std::uint8_t>& file)
{
    const std::uint8_t* p = file.data();
    const std::int64_t unitsPerInch = LoadU16(p + 14);
    if (unitsPerInch == 0 || !IsWindowsMetafileRecords(p + PlaceableHeaderBytes, file.size() - PlaceableHeaderBytes))
        throw EInvalidGraphic(InvalidMetafile);
    const std::int64_t width = std::int64_t{LoadI16(p + 10)} - LoadI16(p + 6);
    const std::int64_t height = std::int64_t{LoadI16(p + 12)} - LoadI16(p + 8);
    return {ScaleRounded(width, ScreenPixelsPerInch, unitsPerInch), ScaleRounded(height, ScreenPixelsPerInch, unitsPerInch)};
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

void TMetafile::Draw(TCanvas&, const TRect&) {}

void TMetafile::LoadFromStream(TStream& stream)
{
    std::optional<std::vector<std::uint8_t>> file = ReadRemainingBytes(stream);
    if (!file)
        throw EInvalidGraphic(InvalidMetafile);
    Extent extent{};
    bool enhanced = false;
    if (IsEnhanced(*file)) {
        extent = EnhancedExtent(*file);
        enhanced = true;
    } else if (file->size() >= PlaceableHeaderBytes + WmfHeaderBytes && LoadU32(file->data()) == PlaceableKey) {
        extent = PlaceableExtent(*file);
    } else {
        throw EInvalidGraphic(InvalidMetafile);
    }
    data_ = std::move(*file);
    enhanced_ = enhanced;
    width_ = extent.width;
    height_ = extent.height;
    Changed(this);
}

void TMetafile::SaveToStream(TStream& stream)
{
    if (!data_.empty())
        stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TMetafile::LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data, HPALETTE)
{
    if (format == CF_ENHMETAFILE) {
        if (!IsEnhanced(data))
            throw EInvalidGraphic(InvalidMetafile);
        const Extent extent = EnhancedExtent(data);
        data_ = data;
        enhanced_ = true;
        width_ = extent.width;
        height_ = extent.height;
    } else if (format == CF_METAFILEPICT) {
        if (!IsWindowsMetafileRecords(data.data(), data.size()))
            throw EInvalidGraphic(InvalidMetafile);
        data_ = data;  // records without a placeable header: no size known
        enhanced_ = false;
        width_ = height_ = 0;
    } else {
        throw EInvalidGraphic(Messages::UnknownClipboardFormat);
    }
    Changed(this);
}

void TMetafile::SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data, HPALETTE& palette)
{
    if (enhanced_ || data_.empty()) {
        format = CF_ENHMETAFILE;
        data = data_;
    } else {
        format = CF_METAFILEPICT;
        // A record list as read from the clipboard has no placeable header to drop.
        const bool placeable = data_.size() >= PlaceableHeaderBytes && LoadU32(data_.data()) == PlaceableKey;
        data.assign(data_.begin() + (placeable ? static_cast<std::ptrdiff_t>(PlaceableHeaderBytes) : 0), data_.end());
    }
    palette = 0;
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
