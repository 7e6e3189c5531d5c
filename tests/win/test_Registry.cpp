#include <sys/stat.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/win/Registry.h"
#include "tests/fixtures/PluginFixtures.h"

namespace {

const char* const UserHive = R"(Windows Registry Editor Version 5.00

; a comment line
[HKEY_CURRENT_USER\Software\Veltomar\Susie\Plug-in]
"Path"="/opt/susie"
"Count"=dword:0000002a
@="unnamed"
"Quoted"="a \"b\" c\\d"
"Blob"=hex:01,02,\
  03
"Expand"=hex(2):25,00,48,00,00,00
"Gone"="soon"
"Gone"=-
this line fits no form

[HKEY_LOCAL_MACHINE\Software\Elsewhere]
"Path"="another root"
)";

class Registry : public ::testing::Test {
protected:
    std::string WriteHive(const std::string& root, const std::string& text)
    {
        return config.Write("quorvel/registry/" + root + ".reg", text);
    }

    fixtures::TempFolder config;
    fixtures::ScopedEnv xdg{"XDG_CONFIG_HOME", config.Path()};
};

TEST_F(Registry, HiveFilesLiveInTheConfigFolder)
{
    EXPECT_EQ(TRegistry::HiveFileName(HKEY_CURRENT_USER), config / "quorvel/registry/HKEY_CURRENT_USER.reg");
    EXPECT_EQ(TRegistry::HiveFileName(HKEY_LOCAL_MACHINE), config / "quorvel/registry/HKEY_LOCAL_MACHINE.reg");

    fixtures::ScopedEnv relative("XDG_CONFIG_HOME", std::string("relative/dir"));  // ignored, as XDG says
    fixtures::ScopedEnv home("HOME", std::string("/home/someone"));
    EXPECT_EQ(TRegistry::HiveFileName(HKEY_CURRENT_USER), "/home/someone/.config/quorvel/registry/HKEY_CURRENT_USER.reg");
}

TEST_F(Registry, ReadsTypedValuesOfAnOpenedKey)
{
    WriteHive("HKEY_CURRENT_USER", UserHive);
    TRegistry registry;
    EXPECT_EQ(registry.RootKey(), HKEY_CURRENT_USER);
    ASSERT_TRUE(registry.OpenKey("\\software\\VELTOMAR\\Susie\\Plug-in", false));  // names ignore case
    EXPECT_EQ(registry.ReadString("Path"), "/opt/susie");
    EXPECT_EQ(registry.ReadString("path"), "/opt/susie");
    EXPECT_EQ(registry.ReadInteger("Count"), 42);
    EXPECT_EQ(registry.ReadString(""), "unnamed");
    EXPECT_EQ(registry.ReadString("Quoted"), "a \"b\" c\\d");
    EXPECT_EQ(registry.ReadString("Expand"), "%H");
    EXPECT_EQ(registry.GetDataType("Blob"), TRegDataType::rdBinary);
    EXPECT_TRUE(registry.ValueExists("Count"));
    EXPECT_FALSE(registry.ValueExists("Gone"));
    EXPECT_FALSE(registry.ValueExists("Missing"));
    EXPECT_EQ(registry.ReadString("Missing"), "");
}

TEST_F(Registry, ReadingAValueAsAnotherTypeRaises)
{
    WriteHive("HKEY_CURRENT_USER", UserHive);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\Software\\Veltomar\\Susie\\Plug-in", false));
    try {
        registry.ReadString("Count");
        FAIL() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message, "Invalid data type for 'Count'");
    }
    EXPECT_THROW(registry.ReadString("Blob"), ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Path"), ERegistryException);
    try {
        registry.ReadInteger("Missing");
        FAIL() << "no exception";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message, "Failed to get data for 'Missing'");
    }
}

TEST_F(Registry, KeysAreFoundByWholePathOrBelowTheOpenKey)
{
    WriteHive("HKEY_CURRENT_USER", UserHive);
    TRegistry registry;
    // A key exists when it or a key below it is listed.
    EXPECT_TRUE(registry.KeyExists("\\Software\\Veltomar"));
    EXPECT_TRUE(registry.KeyExists("Software"));
    EXPECT_FALSE(registry.KeyExists("\\Software\\Velto"));
    EXPECT_FALSE(registry.KeyExists("\\Software\\Elsewhere"));  // a key of another root

    ASSERT_TRUE(registry.OpenKey("Software", false));
    ASSERT_TRUE(registry.OpenKey("Veltomar\\Susie\\", false));
    EXPECT_EQ(registry.CurrentPath(), "Software\\Veltomar\\Susie");
    EXPECT_FALSE(registry.OpenKey("Nothing", false));
    EXPECT_EQ(registry.CurrentPath(), "Software\\Veltomar\\Susie");  // a failed open changes nothing
    ASSERT_TRUE(registry.OpenKey("Plug-in", false));
    EXPECT_EQ(registry.ReadString("Path"), "/opt/susie");
    registry.CloseKey();
    EXPECT_EQ(registry.CurrentPath(), "");
    EXPECT_FALSE(registry.ValueExists("Path"));
}

TEST_F(Registry, EachRootHasItsOwnFile)
{
    WriteHive("HKEY_CURRENT_USER", UserHive);
    WriteHive("HKEY_LOCAL_MACHINE", "[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]\n\"Path\"=\"machine\"\n");
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.OpenKey("\\Software\\Veltomar", false));
    ASSERT_TRUE(registry.OpenKeyReadOnly("\\Software\\Elsewhere"));
    EXPECT_EQ(registry.ReadString("Path"), "machine");
}

TEST_F(Registry, AMissingHiveIsEmptyAndNothingIsCreated)
{
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey("\\Software\\Veltomar\\Susie\\Plug-in", false));
    EXPECT_FALSE(registry.OpenKey("\\Software\\Veltomar\\Susie\\Plug-in", true));
    EXPECT_FALSE(std::filesystem::exists(TRegistry::HiveFileName(HKEY_CURRENT_USER)));
    EXPECT_EQ(registry.ReadString("Path"), "");
}

TEST_F(Registry, OnlyARegularHiveFileOfBoundedSizeIsRead)
{
    const std::string hive = WriteHive("HKEY_CURRENT_USER", "[HKEY_CURRENT_USER\\K]\n\"V\"=\"one\"\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\K", false));
    // Too large, though it begins well (sparse, so it costs no disk).
    std::filesystem::resize_file(hive, static_cast<std::uintmax_t>(MaxHiveFileBytes) + 1);
    EXPECT_FALSE(registry.OpenKey("\\K", false));
    // A pipe would stall the read until some other program wrote to it.
    std::filesystem::remove(hive);
    ASSERT_EQ(mkfifo(hive.c_str(), 0600), 0);
    EXPECT_FALSE(registry.OpenKey("\\K", false));
}

TEST_F(Registry, EditsShowOnTheNextOpen)
{
    WriteHive("HKEY_CURRENT_USER", "[HKEY_CURRENT_USER\\K]\n\"V\"=\"one\"\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\K", false));
    EXPECT_EQ(registry.ReadString("V"), "one");
    WriteHive("HKEY_CURRENT_USER", "[HKEY_CURRENT_USER\\K]\n\"V\"=\"two\"\n");
    ASSERT_TRUE(registry.OpenKey("\\K", false));
    EXPECT_EQ(registry.ReadString("V"), "two");
}

TEST_F(Registry, ReadsFilesAsTheRegistryEditorWritesThem)
{
    // UTF-16LE with its byte-order mark and CRLF line ends.
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=\"\xE6\x97\xA5\"\r\n";
    std::string wide = "\xFF\xFE";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE6\x97\xA5") == 0) {  // U+65E5
            wide += "\xE5\x65";
            i += 2;
        } else {
            wide += text[i];
            wide += '\0';
        }
    }
    WriteHive("HKEY_CURRENT_USER", wide);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\K", false));
    EXPECT_EQ(registry.ReadString("V"), "\xE6\x97\xA5");

    // REGEDIT4 files keep string bytes as 8-bit text.
    WriteHive("HKEY_CURRENT_USER", "\xEF\xBB\xBFREGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"E\"=hex(2):25,48,00\n");
    ASSERT_TRUE(registry.OpenKey("\\K", false));
    EXPECT_EQ(registry.ReadString("E"), "%H");
}

}  // namespace
