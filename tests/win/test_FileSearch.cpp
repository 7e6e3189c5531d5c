#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win/FileSearch.h"
#include "tests/fixtures/PluginFixtures.h"

namespace {

struct Found {
    std::string name;
    int attr;
    friend bool operator==(const Found&, const Found&) = default;
};

std::ostream& operator<<(std::ostream& out, const Found& found)
{
    return out << found.name << "/" << found.attr;
}

std::vector<Found> FindAll(const std::string& path, int attr)
{
    std::vector<Found> found;
    TSearchRec searchRec;
    for (int result = FindFirst(path, attr, searchRec); result == 0; result = FindNext(searchRec))
        found.push_back({searchRec.Name, searchRec.Attr});
    FindClose(searchRec);
    return found;
}

class FileSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("b.spi", "plain");
        folder.Write("A.SPI", "upper case");
        folder.Write("c.spix", "longer extension");
        folder.Write(".hidden.spi", "hidden");
        const std::string readOnly = folder.Write("ro.spi", "read only");
        chmod(readOnly.c_str(), 0444);
        std::filesystem::create_directory(folder / "sub.spi");
        std::filesystem::create_symlink(folder / "b.spi", folder / "link.spi");
        std::filesystem::create_symlink(folder / "missing", folder / "broken.spi");
        mkfifo((folder / "pipe.spi").c_str(), 0644);
    }

    fixtures::TempFolder folder;
};

TEST_F(FileSearch, ListsRegularFilesAndLinksToThemInNameOrder)
{
    // The attribute mask of the plug-in search: read-only, system and archive files.
    const std::vector<Found> expected = {
        {"A.SPI", faArchive}, {"b.spi", faArchive}, {"link.spi", faArchive}, {"ro.spi", faArchive | faReadOnly}};
    EXPECT_EQ(FindAll(folder / "*.spi", faReadOnly | faSysFile | faArchive), expected);
}

TEST_F(FileSearch, HiddenNamesAndFoldersOnlyWhenAskedFor)
{
    const std::vector<Found> expected = {{".hidden.spi", faArchive | faHidden},
                                         {"A.SPI", faArchive},
                                         {"b.spi", faArchive},
                                         {"link.spi", faArchive},
                                         {"ro.spi", faArchive | faReadOnly},
                                         {"sub.spi", faDirectory}};
    EXPECT_EQ(FindAll(folder / "*.spi", faAnyFile), expected);
}

TEST_F(FileSearch, ReportsWhyNothingWasFound)
{
    TSearchRec searchRec;
    EXPECT_EQ(FindFirst(folder / "*.none", faAnyFile, searchRec), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FindFirst(folder / "no such folder/*.spi", faAnyFile, searchRec), ERROR_PATH_NOT_FOUND);
    ASSERT_EQ(FindFirst(folder / "c.spix", faAnyFile, searchRec), 0);
    EXPECT_EQ(searchRec.Name, "c.spix");
    EXPECT_EQ(searchRec.Size, 16);
    EXPECT_EQ(FindNext(searchRec), ERROR_NO_MORE_FILES);
    EXPECT_EQ(FindNext(searchRec), ERROR_NO_MORE_FILES);
    FindClose(searchRec);
    EXPECT_EQ(FindNext(searchRec), ERROR_NO_MORE_FILES);
}

TEST_F(FileSearch, MaskWithoutFolderSearchesTheCurrentFolder)
{
    fixtures::ScopedCurrentFolder inside(folder.Path());
    EXPECT_EQ(FindAll("b.*", faArchive), (std::vector<Found>{{"b.spi", faArchive}}));
}

TEST(MatchesMask, WildcardsAndLetterCase)
{
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"a.spi", "*.spi", true},     {"A.SPI", "*.spi", true},   {"a.spix", "*.spi", false},
        {"a.b.spi", "*.spi", true},   {".spi", "*.spi", true},    {"spi", "*.spi", false},
        {"ab", "?b", true},           {"b", "?b", false},         {"日b", "?b", true},
        {"abc", "a*c*", true},        {"abd", "a*c", false},      {"aXbXc", "a*b*c", true},
        {"readme", "*.*", true},      {"readme", "readme.*", true}, {"readme.txt", "readme.*", true},
        {"", "*", true},              {"x", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

}  // namespace
