// Reading from streams: the same pictures as from memory, and nothing read past the image's end.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;

bool SameDib(const TDib& a, const TDib& b)
{
    return a.Width == b.Width && a.Height == b.Height && a.PixelFormat == b.PixelFormat && a.Palette == b.Palette &&
           a.Stride == b.Stride && a.Bits == b.Bits;
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> GoodFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(SuiteDir() + "/g"))
        files.push_back(entry.path().string());
    return files;
}

TEST(BmpStream, EveryKindOfStreamReadsWhatMemoryReads)
{
    const std::string path = testing::TempDir() + "/bmp_stream_test.bmp";
    for (const std::string& file : GoodFiles()) {
        const Bytes bytes = ReadBytes(file);
        const TDib expected = ReadBmpFile(bytes.data(), bytes.size());
        TMemoryStream memory(bytes);
        TBytesStream view(bytes.data(), bytes.size());
        OpaqueStream opaque(bytes);
        EXPECT_TRUE(SameDib(ReadBmpStream(memory), expected)) << file;
        EXPECT_TRUE(SameDib(ReadBmpStream(view), expected)) << file;
        EXPECT_TRUE(SameDib(ReadBmpStream(opaque), expected)) << file;
        EXPECT_EQ(opaque.Position(), static_cast<std::int64_t>(bytes.size())) << file;
        EXPECT_LE(opaque.BytesRead(), static_cast<std::int64_t>(bytes.size())) << file;

        memory.SaveToFile(path);
        TFileStream onDisk(path, fmOpenRead);
        EXPECT_TRUE(SameDib(ReadBmpStream(onDisk), expected)) << file;
    }
    std::filesystem::remove(path);
}

TEST(BmpStream, ReadingStopsAtTheImageEnd)
{
    const Bytes image = ReadBytes(SuiteDir() + "/g/pal4rle.bmp");
    const Bytes before = {1, 2, 3, 4, 5};
    const Bytes after = {'n', 'e', 'x', 't'};
    const Bytes all = Concat(Concat(before, image), after);
    TMemoryStream memory(all);
    OpaqueStream opaque(all);
    for (TStream* stream : {static_cast<TStream*>(&memory), static_cast<TStream*>(&opaque)}) {
        stream->SetPosition(static_cast<std::int64_t>(before.size()));
        const TDib dib = ReadBmpStream(*stream);
        EXPECT_EQ(dib.Width, 127);
        EXPECT_EQ(stream->Position(), static_cast<std::int64_t>(before.size() + image.size()));
        Bytes rest(after.size());
        stream->ReadBuffer(rest.data(), static_cast<std::int64_t>(rest.size()));
        EXPECT_EQ(rest, after);
    }
    EXPECT_LE(opaque.BytesRead(), static_cast<std::int64_t>(image.size() + after.size()));
}

Bytes WithFileSize(Bytes image, std::uint32_t size)
{
    for (int i = 0; i < 4; ++i)
        image[2 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    return image;
}

TEST(BmpStream, FileSizeFieldMovesTheEndOnlyWhenItFits)
{
    // A V5 file may keep its colour profile after the pixels; bfSize then reaches past them.
    const Bytes image = ReadBytes(SuiteDir() + "/g/rgb24.bmp");
    const std::uint32_t pixelsEnd = static_cast<std::uint32_t>(image.size());
    const Bytes profile(16, 0xAA), after(8, 0x55);
    const struct {
        std::uint32_t fileSize;
        std::int64_t end;
    } cases[] = {
        {pixelsEnd + 16, pixelsEnd + 16},                 // covers the trailing block: skipped with the image
        {pixelsEnd + 16 + 8, pixelsEnd + 16 + 8},         // reaches the stream's end exactly
        {pixelsEnd + 16 + 8 + 1, pixelsEnd},              // beyond the stream: not believed
        {26, pixelsEnd},                                  // the header size, as some OS/2 writers put it
        {0x7FFFFFFF, pixelsEnd},
    };
    for (const auto& c : cases) {
        TMemoryStream stream(Concat(Concat(WithFileSize(image, c.fileSize), profile), after));
        ReadBmpStream(stream);
        EXPECT_EQ(stream.Position(), c.end) << c.fileSize;
    }
}

TEST(BmpStream, ShortStreamsFailCleanly)
{
    const Bytes image = ReadBytes(SuiteDir() + "/g/pal8.bmp");
    TMemoryStream empty;
    EXPECT_EQ(StreamEnding(empty), Ending::InvalidBitmap);
    OpaqueStream headerOnly(Bytes(image.begin(), image.begin() + 30));
    EXPECT_EQ(StreamEnding(headerOnly), Ending::InvalidBitmap);
    OpaqueStream cut(Bytes(image.begin(), image.end() - 1));
    EXPECT_EQ(StreamEnding(cut), Ending::ReadError);
    // Positioned past its end, a stream has nothing to read.
    TMemoryStream past(image);
    past.SetPosition(static_cast<std::int64_t>(image.size()) + 10);
    EXPECT_EQ(StreamEnding(past), Ending::InvalidBitmap);
}

}  // namespace
