#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <numeric>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "tests/core/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t count)
{
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

TEST(TMemoryStream, ReadBufferRaisesOnAShortRead)
{
    TMemoryStream stream(Bytes{1, 2, 3});
    std::uint8_t buffer[4] = {};
    EXPECT_EQ(stream.Read(buffer, 4), 3);  // Read itself just transfers less
    stream.SetPosition(0);
    EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);
    stream.SetPosition(1);
    stream.ReadBuffer(buffer, 2);
    EXPECT_EQ(buffer[0], 2);
    EXPECT_EQ(buffer[1], 3);
    EXPECT_THROW(stream.ReadBuffer(buffer, -1), EReadError);
    stream.ReadBuffer(buffer, 0);  // nothing asked, nothing missing
}

TEST(TMemoryStream, WritingPastTheEndGrowsWithZeros)
{
    TMemoryStream stream;
    const std::uint8_t data[] = {7, 8};
    stream.Seek(3, TSeekOrigin::soBeginning);
    stream.WriteBuffer(data, 2);
    EXPECT_EQ(stream.Bytes(), (Bytes{0, 0, 0, 7, 8}));
    EXPECT_EQ(stream.Position(), 5);
    stream.Seek(-4, TSeekOrigin::soEnd);
    stream.WriteBuffer(data, 1);
    EXPECT_EQ(stream.Bytes(), (Bytes{0, 7, 0, 7, 8}));
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(stream.Size(), 2);
}

TEST(TMemoryStream, ExtremePositionsNeitherOverflowNorAllocate)
{
    TMemoryStream stream(Bytes{1, 2, 3});
    constexpr std::int64_t huge = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(stream.Seek(-10, TSeekOrigin::soCurrent), 0);
    EXPECT_EQ(stream.Seek(huge, TSeekOrigin::soEnd), huge);
    EXPECT_EQ(stream.Seek(huge, TSeekOrigin::soCurrent), huge);
    std::uint8_t byte = 0;
    EXPECT_EQ(stream.Read(&byte, 1), 0);
    EXPECT_THROW(stream.WriteBuffer(&byte, 1), EWriteError);
    stream.Seek(huge / 2, TSeekOrigin::soBeginning);
    EXPECT_THROW(stream.WriteBuffer(&byte, 1), EWriteError);  // no memory for that much
    EXPECT_EQ(stream.Bytes(), (Bytes{1, 2, 3}));
    EXPECT_THROW(stream.SetSize(huge), EStreamError);
    EXPECT_EQ(stream.Size(), 3);
}

TEST(TBytesStream, ReadsAViewAndRefusesWrites)
{
    const Bytes data = Counting(10);
    TBytesStream stream(data.data(), data.size());
    EXPECT_EQ(stream.Size(), 10);
    stream.Seek(-3, TSeekOrigin::soEnd);
    std::uint8_t buffer[3] = {};
    stream.ReadBuffer(buffer, 3);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_THROW(stream.ReadBuffer(buffer, 1), EReadError);
    EXPECT_THROW(stream.WriteBuffer(buffer, 1), EWriteError);
    EXPECT_EQ(stream.Seek(std::numeric_limits<std::int64_t>::max(), TSeekOrigin::soEnd),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(stream.Read(buffer, 1), 0);
}

TEST(TStream, CopyFrom)
{
    const Bytes data = Counting(300);
    TBytesStream source(data.data(), data.size());
    TMemoryStream target;
    source.SetPosition(100);
    EXPECT_EQ(target.CopyFrom(source, 50), 50);
    EXPECT_EQ(target.Bytes(), Bytes(data.begin() + 100, data.begin() + 150));
    source.SetPosition(200);
    EXPECT_EQ(target.CopyFrom(source, 0), 300);  // 0: the whole source from its start
    EXPECT_EQ(target.Size(), 350);
    EXPECT_THROW(target.CopyFrom(source, 1), EReadError);  // source is at its end
    EXPECT_THROW(target.CopyFrom(source, -1), EReadError);
}

// Claims more bytes than it delivers.
class ShortStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override
    {
        const std::int64_t n = std::min<std::int64_t>(count, 5);
        std::fill_n(static_cast<std::uint8_t*>(buffer), n, 0xAA);
        return n;
    }
    std::int64_t Write(const void*, std::int64_t) override { return 0; }
    std::int64_t Seek(std::int64_t, TSeekOrigin) override { return 0; }
    std::int64_t Size() override { return 10; }
};

TEST(TMemoryStream, FailedLoadKeepsTheOldContent)
{
    TMemoryStream stream(Bytes{1, 2, 3});
    ShortStream source;
    EXPECT_THROW(stream.LoadFromStream(source), EReadError);
    EXPECT_EQ(stream.Bytes(), (Bytes{1, 2, 3}));
}

using TFileStreamTest = TempDirTest;

TEST_F(TFileStreamTest, WriteAndReadBack)
{
    const Bytes data = Counting(256);
    const std::string path = PathOf("data.bin");
    {
        TFileStream file(path, fmCreate);
        file.WriteBuffer(data.data(), 200);
        file.WriteBuffer(data.data() + 200, 56);
        EXPECT_EQ(file.Size(), 256);
        EXPECT_EQ(file.FileName(), path);
    }
    TFileStream file(path, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(file.Size(), 256);
    Bytes back(256);
    file.Seek(10, TSeekOrigin::soBeginning);
    file.ReadBuffer(back.data(), 246);
    EXPECT_TRUE(std::equal(back.begin(), back.begin() + 246, data.begin() + 10));
    EXPECT_THROW(file.ReadBuffer(back.data(), 1), EReadError);
    EXPECT_THROW(file.WriteBuffer(back.data(), 1), EWriteError);  // opened for reading
}

TEST_F(TFileStreamTest, MemoryStreamFileRoundTripAndTruncation)
{
    const std::string path = WriteFile("pic.bmp", std::string(1000, 'x'));
    TMemoryStream stream(Counting(20));
    stream.SaveToFile(path);  // replaces the longer file entirely
    TMemoryStream loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Bytes(), Counting(20));
    EXPECT_EQ(loaded.Position(), 0);

    TFileStream file(path, fmOpenReadWrite);
    file.SetSize(5);
    EXPECT_EQ(file.Size(), 5);
}

TEST_F(TFileStreamTest, MissingFileRaisesOpenErrorNamingThePath)
{
    const std::string path = PathOf("missing.bmp");
    try {
        TFileStream file(path, fmOpenRead);
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "ファイル " + path + " は開けません");
    }
    EXPECT_THROW(TFileStream(path, fmOpenReadWrite), EFOpenError);
    EXPECT_FALSE(std::filesystem::exists(path));  // opening never creates
    TMemoryStream stream;
    EXPECT_THROW(stream.LoadFromFile(path), EFOpenError);
}

TEST_F(TFileStreamTest, OnlyRegularFilesOpen)
{
    EXPECT_THROW(TFileStream(dir_.string(), fmOpenRead), EFOpenError);
    const std::string fifo = PathOf("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(TFileStream(fifo, fmOpenRead), EFOpenError);  // and does not wait for a writer
}

TEST_F(TFileStreamTest, ImpossibleCreateRaisesCreateErrorNamingThePath)
{
    const std::string blocker = WriteFile("plain", "x");
    const std::string paths[] = {PathOf("no/such/folder.bmp"), blocker + "/under-a-file.bmp",
                                 dir_.string()};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        try {
            TFileStream file(path, fmCreate);
            ADD_FAILURE();
        } catch (const EFCreateError& e) {
            EXPECT_EQ(e.Message, "ファイル " + path + " を作成できません");
        }
    }
    TMemoryStream stream(Bytes{1});
    EXPECT_THROW(stream.SaveToFile(paths[0]), EFCreateError);
}

}  // namespace
