#include <string>

#include <gtest/gtest.h>

#include "platform/win/Folders.h"
#include "tests/fixtures/PluginFixtures.h"

namespace {

TEST(Folders, ExpandFileNameMakesNamesAbsoluteByTheirText)
{
    fixtures::TempFolder folder;
    fixtures::ScopedCurrentFolder inside(folder.Path());
    const std::string here = GetCurrentDir();
    EXPECT_EQ(here, folder.Path());
    struct Case {
        std::string name, expected;
    };
    const Case cases[] = {
        {"", ""},
        {"x.spi", here + "/x.spi"},
        {"./a/./b.spi", here + "/a/b.spi"},
        {"a/../b.spi", here + "/b.spi"},
        {"/usr//lib/./q/../x", "/usr/lib/x"},
        {"/..", "/"},
        {"/", "/"},
        {"/a/b/", "/a/b/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandFileName(c.name), c.expected) << c.name;
}

TEST(Folders, SystemPluginFoldersAreFixed)
{
    EXPECT_EQ(GetSystemDirectory(), "/usr/lib/quorvel/system");
    EXPECT_EQ(GetWindowsDirectory(), "/usr/lib/quorvel");
}

}  // namespace
