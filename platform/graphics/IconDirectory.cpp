#include "platform/graphics/IconDirectory.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/graphics/IconBmpLayout.h"
#include "platform/graphics/StreamBytes.h"

namespace {

constexpr std::size_t DirectoryBytes = 6;
constexpr std::size_t EntryBytes = 16;
constexpr std::uint16_t IconType = 1;
constexpr std::uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t PngHeaderEnd = 29;  // signature, IHDR length and name, and its 13 bytes

std::uint32_t LoadU32BigEndian(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

bool IsPng(const std::uint8_t* data, std::size_t size)
{
    return size >= sizeof PngSignature && std::equal(PngSignature, PngSignature + sizeof PngSignature, data);
}

bool ProbePng(const std::uint8_t* data, std::size_t size, TIconImageInfo& info)
{
    if (size < PngHeaderEnd || LoadU32BigEndian(data + 8) != 13 || !std::equal(data + 12, data + 16, "IHDR"))
        return false;
    const std::uint32_t width = LoadU32BigEndian(data + 16), height = LoadU32BigEndian(data + 20);
    if (width == 0 || height == 0 || width > MaxIconDimension || height > MaxIconDimension)
        return false;
    const int channels = PngChannels(data[25]);
    if (channels == 0)
        return false;
    info.Png = true;
    info.Width = static_cast<std::int32_t>(width);
    info.Height = static_cast<std::int32_t>(height);
    info.BitsPerPixel = data[24] * channels;
    return true;
}

}  // namespace

void ThrowInvalidIcon()
{
    throw EInvalidGraphic("アイコンイメージが不正です");
}

bool ProbeIconImage(const std::uint8_t* data, std::size_t size, TIconImageInfo& info)
{
    if (IsPng(data, size))
        return ProbePng(data, size, info);
    TIconBmpLayout layout;
    if (!ReadIconBmpLayout(data, size, layout))
        return false;
    info.Png = false;
    info.Width = layout.Width;
    info.Height = layout.Height;
    info.BitsPerPixel = layout.BitsPerPixel;
    return true;
}

std::vector<TIconEntry> ReadIconDirectory(const std::vector<std::uint8_t>& file)
{
    const std::uint8_t* p = file.data();
    if (file.size() < DirectoryBytes || LoadU16(p) != 0 || LoadU16(p + 2) != IconType || LoadU16(p + 4) == 0)
        ThrowInvalidIcon();
    const std::size_t count = LoadU16(p + 4);
    if (file.size() < DirectoryBytes + count * EntryBytes)
        ThrowInvalidIcon();
    std::vector<TIconEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* record = p + DirectoryBytes + i * EntryBytes;
        // 64-bit sums: a 32-bit offset plus a 32-bit size can't wrap.
        const std::uint64_t bytes = LoadU32(record + 8), offset = LoadU32(record + 12);
        if (bytes == 0 || offset + bytes > file.size())
            continue;
        TIconEntry entry;
        entry.Offset = static_cast<std::size_t>(offset);
        entry.Bytes = static_cast<std::size_t>(bytes);
        if (ProbeIconImage(p + entry.Offset, entry.Bytes, entry.Info))
            entries.push_back(entry);
    }
    if (entries.empty())
        ThrowInvalidIcon();
    return entries;
}

const TIconEntry& ChooseIconEntry(const std::vector<TIconEntry>& entries)
{
    const TIconEntry* best = &entries.front();
    for (const TIconEntry& entry : entries) {
        const std::int64_t area = std::int64_t{entry.Info.Width} * entry.Info.Height;
        const std::int64_t bestArea = std::int64_t{best->Info.Width} * best->Info.Height;
        if (area > bestArea || (area == bestArea && entry.Info.BitsPerPixel > best->Info.BitsPerPixel))
            best = &entry;
    }
    return *best;
}

TIconImage DecodeIconEntry(const std::vector<std::uint8_t>& file, const TIconEntry& entry)
{
    const std::uint8_t* data = file.data() + entry.Offset;
    return entry.Info.Png ? DecodeIconPng(data, entry.Bytes) : DecodeIconBmp(data, entry.Bytes);
}
