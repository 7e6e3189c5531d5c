// Inputs the fuzzer once broke the reader with, replayed through every entry point: each must now
// read or fail cleanly.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;

TEST(BmpCrashers, EveryKeptInputEndsCleanly)
{
    const std::filesystem::path folder = std::filesystem::path(QUORVEL_SOURCE_DIR) / "tests/data/bmp-crashers";
    std::size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string fileName = entry.path().filename().string();
        if (!entry.is_regular_file() || fileName.starts_with(".") || fileName.ends_with(".md"))
            continue;
        const Bytes bytes = ReadBytes(entry.path().string());
        const std::string& name = fileName;
        EXPECT_NE(FileEnding(bytes), Ending::Other) << name;
        EXPECT_NE(PackedEnding(bytes), Ending::Other) << name;
        OpaqueStream stream(bytes);
        EXPECT_NE(StreamEnding(stream), Ending::Other) << name;
        ++replayed;
    }
    if (replayed == 0)
        GTEST_SKIP() << "no crashing input has been kept yet";
}

}  // namespace
