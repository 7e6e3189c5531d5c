#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SPIs/SPI.h"
#include "platform/win/LocalMemory.h"
#include "tests/fixtures/PluginFixtures.h"
#include "tests/spis/SpiTestSupport.h"

namespace {

using spitest::IsLoaded;

std::string InvalidAPIMessage(const std::string& entry, const std::string& path)
{
    return entry + "は[" + path + "]では使えないSusie Plugin APIです";
}

TEST(CreateSPI, ChoosesTheClassByTheWholeTypeText)
{
    struct Case {
        const char* plugin;
        TSPIClass expectedClass;
        const char* apiVersion;
    };
    const Case cases[] = {
        {"qtst", TInSPI::StaticSPIClass(), "00IN"},
        {"archive", TAmSPI::StaticSPIClass(), "00AM"},
        {"xn", TXnSPI::StaticSPIClass(), "00XN"},
        {"in_lower_case", TSPI::StaticSPIClass(), "00in"},
        {"in_trailing_blank", TSPI::StaticSPIClass(), "00IN "},
        {"no_type", TSPI::StaticSPIClass(), ""},
    };
    fixtures::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin);
        const std::string path = folder.AddPlugin(c.plugin);
        std::unique_ptr<TSPI> spi = CreateSPI(path);
        ASSERT_NE(spi, nullptr);
        EXPECT_EQ(spi->SPIClass(), c.expectedClass);
        EXPECT_EQ(spi->APIVersion(), c.apiVersion);
        EXPECT_EQ(spi->SPIName(), path);
        spi.reset();
        EXPECT_FALSE(IsLoaded(path)) << "the probe's load or the wrapper's stayed";
    }
}

TEST(CreateSPI, GivesNullSilentlyForWhatIsNoLibrary)
{
    fixtures::TempFolder folder;
    const std::string empty = folder.Write("empty.spi", "");
    for (const std::string& name :
         {fixtures::PluginPath("not_a_library"), empty, folder / "missing.spi", folder.Path(), std::string{}})
        EXPECT_EQ(CreateSPI(name), nullptr) << name;
}

TEST(CreateSPI, MissingRequiredEntryPointNamesItAndTheFullPath)
{
    struct Case {
        const char* plugin;
        const char* missing;  // the first one in checking order
    };
    const Case cases[] = {
        {"no_info", "GetPluginInfo"},
        {"in_no_picture", "GetPicture"},
        {"in_no_loader_no_picture", "IsSupported"},
        {"archive_no_file_info", "GetFileInfo"},
    };
    fixtures::TempFolder folder;
    fixtures::ScopedCurrentFolder inside(folder.Path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin);
        const std::string path = folder.AddPlugin(c.plugin);
        try {
            CreateSPI(std::string(c.plugin) + ".spi");  // a relative name: the message has the full path
            ADD_FAILURE() << "no exception";
        } catch (const ESPIInvalidAPI& e) {
            EXPECT_EQ(e.Message, InvalidAPIMessage(c.missing, path));
        }
        EXPECT_FALSE(IsLoaded(path)) << "the failed wrapper kept its library";
    }
}

TEST(SPIClasses, EachClassChecksItsOwnEntryPointsWhateverTheType)
{
    fixtures::TempFolder folder;
    const std::string xn = folder.AddPlugin("xn");
    const std::string qtst = folder.AddPlugin("qtst");
    const std::string archive = folder.AddPlugin("archive");
    const auto expectMissing = [](TSPIClass spiClass, const std::string& path, const std::string& entry) {
        try {
            spiClass->Create(path);
            ADD_FAILURE() << "no exception for " << entry;
        } catch (const ESPIInvalidAPI& e) {
            EXPECT_EQ(e.Message, InvalidAPIMessage(entry, path));
        }
        EXPECT_FALSE(IsLoaded(path));
    };
    expectMissing(TLoaderSPI::StaticSPIClass(), xn, "IsSupported");
    expectMissing(TInSPI::StaticSPIClass(), archive, "GetPictureInfo");
    expectMissing(TAmSPI::StaticSPIClass(), qtst, "GetArchiveInfo");
    EXPECT_NE(TLoaderSPI::StaticSPIClass()->Create(qtst), nullptr);
    EXPECT_NE(TXnSPI::Create(qtst), nullptr);  // a TXnSPI needs nothing beyond GetPluginInfo
}

TEST(SPIClasses, ConstructorRaisesLoadErrorWithTheNameAsGiven)
{
    try {
        TSPI::Create("nowhere/missing.spi");
        FAIL() << "no exception";
    } catch (const ESPIFOpenErrorSPI& e) {
        EXPECT_EQ(e.Message, "nowhere/missing.spi:Susie Pluginがロードできませんでした");
    }
}

TEST(SPIClasses, ClassInformationFollowsTheTree)
{
    EXPECT_EQ(TInSPI::StaticSPIClass()->Parent, TLoaderSPI::StaticSPIClass());
    EXPECT_EQ(TAmSPI::StaticSPIClass()->Parent, TLoaderSPI::StaticSPIClass());
    EXPECT_EQ(TXnSPI::StaticSPIClass()->Parent, TSPI::StaticSPIClass());
    EXPECT_EQ(TSPI::StaticSPIClass()->Parent, &TObject::StaticClassInfo());
    EXPECT_STREQ(TInSPI::StaticSPIClass()->Name, "TInSPI");
}

TEST(PluginInformation, PairsAreReadUntilTheFirstIncompleteOne)
{
    fixtures::TempFolder folder;
    struct Case {
        const char* plugin;
        const char* pluginName;
        std::vector<std::string> extNames, fileTypes;
        std::vector<std::int32_t> infoNumbers;  // asked of the plug-in by the probe, and again by the result
    };
    const Case cases[] = {
        {"qtst", "QTST decoder", {"*.qtst"}, {"QTST test picture"}, {0, 1, 2, 3, 4}},
        {"in_pattern_lists", "Pattern lists", {"*.aaa;*.bbb", "*.ccc;*.d.dd;*.eee"}, {"AB picture", "CDE picture"},
         {0, 1, 2, 3, 4, 5, 6}},
        // Number 2 is answered but not 3: the lists stay empty, whatever 4 and 5 would say.
        {"in_2_not_3", "Pattern without description", {}, {}, {0, 1, 2, 3}},
        {"no_type", "No type text", {"*.notype"}, {"No type"}, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin);
        std::unique_ptr<TSPI> spi = CreateSPI(folder.AddPlugin(c.plugin));
        ASSERT_NE(spi, nullptr);
        EXPECT_EQ(spi->PluginName(), c.pluginName);
        std::vector<std::string> extNames, fileTypes;
        for (int i = 0; i < spi->GetExtNames().Count(); ++i)
            extNames.push_back(spi->GetExtNames()[i]);
        for (int i = 0; i < spi->GetFileTypes().Count(); ++i)
            fileTypes.push_back(spi->GetFileTypes()[i]);
        EXPECT_EQ(extNames, c.extNames);
        EXPECT_EQ(fileTypes, c.fileTypes);
        std::vector<std::int32_t> twice = c.infoNumbers;
        twice.insert(twice.end(), c.infoNumbers.begin(), c.infoNumbers.end());
        EXPECT_EQ(spitest::InfoLog(*spi), twice);
    }
}

TEST(PluginInformation, ATextEndsAtTheBuffersLastByteAndTheListAtItsLimit)
{
    // The plug-in answers every number and fills all 256 bytes without a terminator.
    fixtures::TempFolder folder;
    std::unique_ptr<TSPI> spi = CreateSPI(folder.AddPlugin("endless_info"));
    ASSERT_NE(spi, nullptr);
    EXPECT_EQ(spi->APIVersion(), std::string(255, '0'));
    EXPECT_EQ(spi->PluginName(), std::string(255, 'x'));
    ASSERT_EQ(spi->GetExtNames().Count(), MaxPluginInfoEntries);
    EXPECT_EQ(spi->GetFileTypes().Count(), MaxPluginInfoEntries);
    EXPECT_EQ(spi->GetExtNames()[MaxPluginInfoEntries - 1], std::string(255, 'x'));
    // Numbers 0 to 2049, once for the probe and once for the wrapper; nothing beyond the limit.
    EXPECT_EQ(spitest::CallCount(*spi, "GetPluginInfo"), 2 * (2 + 2 * MaxPluginInfoEntries));
}

TEST(EntryPointMethods, PassArgumentsThroughAndReturnResultsUnchanged)
{
    fixtures::TempFolder folder;
    std::unique_ptr<TSPI> spi = CreateSPI(folder.AddPlugin("archive"));
    auto* archive = dynamic_cast<TAmSPI*>(spi.get());
    ASSERT_NE(archive, nullptr);

    const unsigned char head[2048] = {7};
    EXPECT_EQ(archive->IsSupported("x.arc", head), 7);
    HLOCAL info = reinterpret_cast<HLOCAL>(1);
    EXPECT_EQ(archive->GetArchiveInfo("x.arc", 0, 0xFFFF, info), 0xFFFF);  // 16 bits, zero-extended
    EXPECT_EQ(info, nullptr);  // written through the reference
    TFileInfo fileInfo{};
    EXPECT_EQ(archive->GetFileInfo("x.arc", 0, "member.txt", 0x8001, fileInfo), 0x8001);
    EXPECT_STREQ(fileInfo.filename, "member.txt");
    struct Progress {
        static std::int32_t Callback(std::int32_t, std::int32_t, std::intptr_t lData)
        {
            ++*reinterpret_cast<int*>(lData);
            return 0;
        }
    };
    int progressCalls = 0;
    char destination[16] = {};
    EXPECT_EQ(archive->GetFile("x.arc", 1234, destination, 0, &Progress::Callback,
                               reinterpret_cast<std::intptr_t>(&progressCalls)),
              1234);
    EXPECT_EQ(progressCalls, 1);
    EXPECT_EQ(archive->ConfigurationDlg(nullptr, -3), -3);
    char text[256] = {};
    EXPECT_EQ(archive->GetPluginInfo(1, text, 255), 7);
    EXPECT_STREQ(text, "Archive");
}

TEST(EntryPointMethods, AMissingEntryPointRaisesAndTheVariablesStayAsTheyWere)
{
    fixtures::TempFolder folder;
    const std::string path = folder.AddPlugin("qtst");
    std::unique_ptr<TInSPI> spi = TInSPI::Create(path);
    const std::string image = fixtures::QtstImage(1, 1, {0});
    HLOCAL info = reinterpret_cast<HLOCAL>(0x11), bits = reinterpret_cast<HLOCAL>(0x22);
    try {
        spi->GetPreview(image.data(), static_cast<std::intptr_t>(image.size()), SUSIE_SOURCE_MEMORY, info, bits,
                        nullptr, 0);
        FAIL() << "no exception";
    } catch (const ESPIInvalidAPI& e) {
        EXPECT_EQ(e.Message, InvalidAPIMessage("GetPreview", path));
    }
    EXPECT_EQ(info, reinterpret_cast<HLOCAL>(0x11));
    EXPECT_EQ(bits, reinterpret_cast<HLOCAL>(0x22));
    EXPECT_THROW(spi->ConfigurationDlg(nullptr, 0), ESPIInvalidAPI);
}

TEST(EntryPointMethods, ImageInputDecodesFromFileAndMemory)
{
    fixtures::TempFolder folder;
    std::unique_ptr<TInSPI> spi = TInSPI::Create(folder.AddPlugin("qtst_preview"));
    // 3 x 2 pixels: the first row red, green, blue; the second white, black, grey.
    const std::string image =
        fixtures::QtstImage(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080});
    const std::string file = folder.Write("picture.qtst", std::string(128, 'M') + image);
    const std::size_t before = LocalLiveBlockCount();

    TPictureInfo pictureInfo{};
    ASSERT_EQ(spi->GetPictureInfo(file.c_str(), 128, SUSIE_SOURCE_FILE, pictureInfo), SUSIE_OK);
    EXPECT_EQ(pictureInfo.width, 3);
    EXPECT_EQ(pictureInfo.height, 2);
    EXPECT_STREQ(static_cast<const char*>(LocalLock(pictureInfo.hInfo)), "QTST comment");
    LocalUnlock(pictureInfo.hInfo);
    LocalFree(pictureInfo.hInfo);

    HLOCAL info = nullptr, bits = nullptr;
    ASSERT_EQ(spi->GetPicture(image.data(), static_cast<std::intptr_t>(image.size()), SUSIE_SOURCE_MEMORY, info,
                              bits, nullptr, 0),
              SUSIE_OK);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LocalLock(info));
    EXPECT_EQ(header->biWidth, 3);
    EXPECT_EQ(header->biHeight, 2);
    EXPECT_EQ(header->biBitCount, 24);
    ASSERT_EQ(LocalSize(bits), 24u);  // two rows of 9 bytes padded to 12
    const auto* rows = static_cast<const unsigned char*>(LocalLock(bits));
    // Bottom-up: the red pixel starts the second row of the block, as blue, green, red.
    EXPECT_EQ(std::vector<unsigned char>(rows + 12, rows + 15), (std::vector<unsigned char>{0, 0, 0xFF}));
    EXPECT_EQ(std::vector<unsigned char>(rows + 6, rows + 9), (std::vector<unsigned char>{0x80, 0x80, 0x80}));
    LocalFree(info);
    LocalFree(bits);

    ASSERT_EQ(spi->GetPreview(file.c_str(), 128, SUSIE_SOURCE_FILE, info, bits, nullptr, 0), SUSIE_OK);
    EXPECT_EQ(static_cast<const BITMAPINFOHEADER*>(LocalLock(info))->biWidth, 2);  // every second column
    LocalFree(info);
    LocalFree(bits);
    EXPECT_EQ(LocalLiveBlockCount(), before);

    EXPECT_EQ(spi->GetPicture(file.c_str(), 0, SUSIE_SOURCE_FILE, info, bits, nullptr, 0), SUSIE_UNKNOWN_FORMAT);
    const unsigned char head[2048] = {'Q', 'T', 'S', 'T'};
    EXPECT_NE(spi->IsSupported("picture.qtst", head), 0);
    EXPECT_EQ(spi->IsSupported("picture.qtst", head + 1), 0);
}

}  // namespace
