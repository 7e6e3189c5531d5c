#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/core/SysUtils.h"
#include "tests/core/TempDir.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(CompareText, FoldsOnlyAsciiLettersAndComparesBytesUnsigned)
{
    const struct {
        const char* a;
        const char* b;
        int result;
    } cases[] = {
        {"abc", "ABC", 0},
        {"ifJPEG.spi", "IFjpeg.SPI", 0},
        {"", "", 0},
        {"a", "b", -1},
        {"Z", "a", 25},           // letters compare as upper case ...
        {"a", "_", 'A' - '_'},    // ... so "_" sorts after every letter
        {"abc", "ab", 1},         // length decides after a common start
        {"", "xyz", -3},
        {"\xff", "a", 0xff - 'A'},  // bytes above 0x7F are unsigned and not folded
        {"é", "É", 0xa9 - 0x89},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(CompareText(c.a, c.b), c.result);
        EXPECT_EQ(Sign(CompareText(c.b, c.a)), -Sign(c.result));
        EXPECT_EQ(SameText(c.a, c.b), c.result == 0);
    }
}

TEST(CaseConversion, ChangesAsciiLettersOnly)
{
    EXPECT_EQ(UpperCase("aZz09_é.bmp"), "AZZ09_é.BMP");
    EXPECT_EQ(LowerCase("AzZ09_É.BMP"), "azz09_É.bmp");
}

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("あ "), "あ");  // bytes of a multi-byte character are not blanks
}

TEST(FileNameParts, SlashSeparatesFolders)
{
    const struct {
        const char* name;
        const char* path;
        const char* file;
        const char* ext;
    } cases[] = {
        {"/a/b.bmp", "/a/", "b.bmp", ".bmp"},
        {"/a.d/b", "/a.d/", "b", ""},
        {"x.tar.gz", "", "x.tar.gz", ".gz"},
        {"file.", "", "file.", "."},
        {"/a/.hidden", "/a/", ".hidden", ".hidden"},
        {"/a/", "/a/", "", ""},
        {"/b", "/", "b", ""},
        {"", "", "", ""},
        {"C:\\pic.BMP", "", "C:\\pic.BMP", ".BMP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExtractFilePath(c.name), c.path);
        EXPECT_EQ(ExtractFileName(c.name), c.file);
        EXPECT_EQ(ExtractFileExt(c.name), c.ext);
    }
}

using FileExistsTest = TempDirTest;

TEST_F(FileExistsTest, TrueForRegularFilesAndLinksToThem)
{
    const std::string file = WriteFile("a.bmp", "x");
    ASSERT_EQ(::symlink(file.c_str(), PathOf("link").c_str()), 0);
    ASSERT_EQ(::symlink(PathOf("gone").c_str(), PathOf("dangling").c_str()), 0);
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(PathOf("link")));
    EXPECT_FALSE(FileExists(PathOf("dangling")));
    EXPECT_FALSE(FileExists(PathOf("missing")));
    EXPECT_FALSE(FileExists(dir_.string()));
    EXPECT_FALSE(FileExists(""));
}

}  // namespace
