#include "platform/graphics/Icon.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/StreamBytes.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TIcon, TGraphic, true)

namespace {

constexpr const char* InvalidIcon = "アイコンイメージが不正です";
constexpr const char* IconSizeFixed = "アイコンのサイズは変更できません";

constexpr std::size_t DirectoryBytes = 6;
constexpr std::size_t EntryBytes = 16;

struct IconSize {
    std::int32_t width, height;
};

// Checks the directory and that every image it lists lies inside the file; the size is that of the
// first image (a stored 0 means 256).
IconSize CheckIconFile(const std::vector<std::uint8_t>& file)
{
    const std::uint8_t* p = file.data();
    if (file.size() < DirectoryBytes || LoadU16(p) != 0 || LoadU16(p + 2) != 1 || LoadU16(p + 4) == 0)
        throw EInvalidGraphic(InvalidIcon);
    const std::size_t count = LoadU16(p + 4);
    if (file.size() < DirectoryBytes + count * EntryBytes)
        throw EInvalidGraphic(InvalidIcon);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = p + DirectoryBytes + i * EntryBytes;
        const std::uint64_t bytes = LoadU32(entry + 8), offset = LoadU32(entry + 12);
        if (bytes == 0 || offset + bytes > file.size())
            throw EInvalidGraphic(InvalidIcon);
    }
    const std::uint8_t* first = p + DirectoryBytes;
    return {first[0] == 0 ? 256 : first[0], first[1] == 0 ? 256 : first[1]};
}

}  // namespace

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

void TIcon::Draw(TCanvas&, const TRect&) {}

void TIcon::LoadFromStream(TStream& stream)
{
    std::optional<std::vector<std::uint8_t>> file = ReadRemainingBytes(stream);
    if (!file)
        throw EInvalidGraphic(InvalidIcon);
    const IconSize size = CheckIconFile(*file);
    data_ = std::move(*file);
    width_ = size.width;
    height_ = size.height;
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
        width_ = height_ = 0;
        Changed(this);
        return;
    }
    if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
        if (icon != this) {
            data_ = icon->data_;
            width_ = icon->width_;
            height_ = icon->height_;
            Changed(this);
        }
        return;
    }
    TPersistent::Assign(source);
}
