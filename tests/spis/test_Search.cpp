#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SPIs/SPIs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Picture.h"
#include "tests/fixtures/PluginFixtures.h"
#include "tests/spis/SpiTestSupport.h"

namespace {

using spitest::IsLoaded;

class PluginSearch : public ::testing::Test {
protected:
    PluginSearch() { TSPIs::SetDefaultGraphic(&spitest::TestGraphic); }
    ~PluginSearch() override
    {
        TSPIs::SetDefaultGraphic(nullptr);
        TPicture::UnregisterGraphicClass(&spitest::TestGraphic);
    }

    // Points the registry's Susie plug-in value at folder (written as the given value line).
    void SetSusieValue(const std::string& valueLine)
    {
        config.Write("quorvel/registry/HKEY_CURRENT_USER.reg",
                     "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Veltomar\\Susie\\Plug-in]\n" +
                         valueLine + "\n");
    }
    void SetSusieFolder(const std::string& folder) { SetSusieValue("\"Path\"=\"" + folder + "\""); }

    std::vector<std::string> Listed() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < spis.Count(); ++i)
            names.push_back(spis.Plugins(i)->SPIName());
        return names;
    }

    fixtures::TempFolder folder;
    fixtures::TempFolder config;
    fixtures::ScopedEnv xdg{"XDG_CONFIG_HOME", config.Path()};
    TSPIs spis{nullptr};
};

TEST_F(PluginSearch, AMaskWithAFolderSearchesThatFolderAlone)
{
    const std::string qtst = folder.AddPlugin("qtst", "b_qtst.spi");
    const std::string two = folder.AddPlugin("in_pattern_lists", "A_TWO.SPI");
    folder.AddPlugin("qtst_preview", ".hidden.spi");
    folder.AddPlugin("qtst_preview", "other.dll");
    folder.AddPlugin("not_a_library");
    std::filesystem::create_directory(folder / "dir.spi");
    fixtures::TempFolder elsewhere;
    SetSusieFolder(elsewhere.Path());
    elsewhere.AddPlugin("archive");
    spis.SearchOptions = {TSPISearchOption::spsSusieDir, TSPISearchOption::spsCurrentDir};

    spis.Search(folder.Path() + "/*.spi");
    EXPECT_EQ(Listed(), (std::vector<std::string>{two, qtst}));
    EXPECT_EQ(TPicture::FileFormatClass("qtst"), &spitest::TestGraphic);
}

TEST_F(PluginSearch, ABareMaskSearchesTheFoldersOfTheOptions)
{
    folder.AddPlugin("qtst");
    fixtures::ScopedCurrentFolder inside(folder.Path());
    spis.SearchOptions = {};
    spis.Search("*.spi");
    EXPECT_EQ(spis.Count(), 0);

    spis.SearchOptions = {TSPISearchOption::spsCurrentDir, TSPISearchOption::spsSystemDir,
                          TSPISearchOption::spsWindowsDir};
    spis.Search("*.spi");
    EXPECT_EQ(Listed(), (std::vector<std::string>{folder / "qtst.spi"}));
}

TEST_F(PluginSearch, TheSusieFolderComesFromTheRegistry)
{
    const std::string qtst = folder.AddPlugin("qtst");
    spis.SearchOptions = {TSPISearchOption::spsSusieDir};
    SetSusieFolder(folder.Path() + "/");
    spis.Search("*.spi");
    EXPECT_EQ(Listed(), (std::vector<std::string>{qtst}));
}

TEST_F(PluginSearch, TheSusieFolderComesBeforeTheCurrentFolder)
{
    fixtures::TempFolder susie;
    const std::string inSusie = susie.AddPlugin("qtst", "z.spi");
    const std::string inCurrent = folder.AddPlugin("qtst_preview", "a.spi");
    SetSusieFolder(susie.Path());
    fixtures::ScopedCurrentFolder inside(folder.Path());
    spis.SearchOptions = {TSPISearchOption::spsCurrentDir, TSPISearchOption::spsSusieDir};
    spis.Search("*.spi");
    EXPECT_EQ(Listed(), (std::vector<std::string>{inSusie, inCurrent}));
}

TEST_F(PluginSearch, AFolderSearchMaskMayNameASubfolder)
{
    const std::string inner = folder.AddPlugin("qtst", "sub/a.spi");
    folder.AddPlugin("qtst_preview", "b.spi");
    spis.SearchFolder(folder.Path(), "sub/*.spi");
    EXPECT_EQ(Listed(), (std::vector<std::string>{inner}));
}

TEST_F(PluginSearch, AMissingOrUnusableSusieValueIsSkippedSilently)
{
    folder.AddPlugin("qtst");
    spis.SearchOptions = {TSPISearchOption::spsSusieDir};
    for (const std::string& valueLine :
         {std::string("\"Path\"=dword:00000001"), std::string("\"Path\"=\"\""), std::string("\"Other\"=\"x\"")}) {
        SetSusieValue(valueLine);
        EXPECT_NO_THROW(spis.Search("*.spi")) << valueLine;
        EXPECT_EQ(spis.Count(), 0) << valueLine;
    }
    std::filesystem::remove(config / "quorvel/registry/HKEY_CURRENT_USER.reg");
    EXPECT_NO_THROW(spis.Search("*.spi"));
    EXPECT_EQ(spis.Count(), 0);
}

TEST_F(PluginSearch, AFileReachedTwiceIsLoadedOnce)
{
    folder.AddPlugin("qtst", "plug.spi");
    SetSusieFolder(folder.Path());
    fixtures::ScopedCurrentFolder inside(folder.Path());
    spis.SearchOptions = {TSPISearchOption::spsSusieDir, TSPISearchOption::spsCurrentDir};
    spis.Search("*.spi");
    EXPECT_EQ(spis.Count(), 1);

    // A name differing only in the case of its ASCII letters counts as the same plug-in, and so
    // does a relative name of a loaded one.
    std::filesystem::create_symlink(folder / "plug.spi", folder / "PLUG.SPI");
    spis.Search("*.spi");
    spis.Search("./*.spi");
    EXPECT_EQ(spis.Count(), 1);
}

TEST_F(PluginSearch, SearchingHandlerSeesEveryCandidateAndMayRefuseIt)
{
    const std::string a = folder.AddPlugin("qtst", "a.spi");
    const std::string b = folder.AddPlugin("in_no_dot", "b.spi");
    const std::string c = folder.AddPlugin("not_a_library", "c.spi");
    std::vector<std::string> seen;
    spis.OnSearching = [&](TObject* sender, const std::string& fileName, bool& accept) {
        EXPECT_EQ(sender, &spis);
        EXPECT_TRUE(accept);
        seen.push_back(fileName);
        accept = fileName != b;
    };
    bool bWasLoaded = false;
    spis.OnSearch = [&](TObject*, TSPI*, bool&) { bWasLoaded = bWasLoaded || IsLoaded(b); };
    spis.Search(folder.Path() + "/*.spi");
    EXPECT_EQ(seen, (std::vector<std::string>{a, b, c}));
    EXPECT_EQ(Listed(), (std::vector<std::string>{a}));
    EXPECT_FALSE(bWasLoaded);
}

TEST_F(PluginSearch, SearchHandlerAcceptsRefusesOrFailsForEachPlugin)
{
    const std::string accepted = folder.AddPlugin("qtst", "a.spi");
    const std::string refused = folder.AddPlugin("in_no_dot", "b.spi");
    const std::string failing = folder.AddPlugin("archive", "c.spi");
    const std::string last = folder.AddPlugin("xn", "d.spi");
    std::vector<std::string> offered;
    spis.OnSearch = [&](TObject* sender, TSPI* spi, bool& accept) {
        EXPECT_EQ(sender, &spis);
        EXPECT_TRUE(accept);
        offered.push_back(spi->SPIName());
        if (spi->SPIName() == refused)
            accept = false;
        if (spi->SPIName() == failing)
            throw EAbort("refused by exception");
    };
    spis.Search(folder.Path() + "/*.spi");
    EXPECT_EQ(offered, (std::vector<std::string>{accepted, refused, failing, last}));
    EXPECT_EQ(Listed(), (std::vector<std::string>{accepted, last}));
    EXPECT_FALSE(IsLoaded(refused));
    EXPECT_FALSE(IsLoaded(failing));
}

TEST_F(PluginSearch, ARefusedPluginDoesNotStayTheForcedLoader)
{
    folder.AddPlugin("qtst", "a.spi");
    folder.AddPlugin("qtst_preview", "b.spi");
    // The handler picks each plug-in as the forced loader, then refuses it: b.spi by exception.
    spis.OnSearch = [this](TObject*, TSPI* spi, bool& accept) {
        spis.GraphicForcedLoader = dynamic_cast<TInSPI*>(spi);
        if (ExtractFileName(spi->SPIName()) == "b.spi")
            throw EAbort("refused by exception");
        accept = false;
    };
    for (const char* mask : {"/a.spi", "/b.spi"}) {
        spis.Search(folder.Path() + mask);
        EXPECT_EQ(spis.GraphicForcedLoader, nullptr) << mask;
    }
    EXPECT_EQ(spis.Count(), 0);
}

TEST_F(PluginSearch, ARegistrationFailureDropsThatPluginAndTheSearchGoesOn)
{
    const std::string failing = folder.AddPlugin("in_pattern_lists", "a.spi");
    const std::string fine = folder.AddPlugin("qtst", "b.spi");
    spis.OnPictureRegister = [](TObject*, TInSPI*, const std::string& extension, const std::string&, TGraphicClass&) {
        if (extension == "aaa")
            throw EInvalidGraphic("no");
    };
    spis.Search(folder.Path() + "/*.spi");
    EXPECT_EQ(Listed(), (std::vector<std::string>{fine}));
    EXPECT_FALSE(IsLoaded(failing));
}

TEST_F(PluginSearch, AMissingEntryPointEndsTheSearchWithItsError)
{
    const std::string first = folder.AddPlugin("qtst", "a.spi");
    const std::string broken = folder.AddPlugin("in_no_picture", "b.spi");
    folder.AddPlugin("in_no_dot", "c.spi");
    std::vector<std::string> seen;
    spis.OnSearching = [&](TObject*, const std::string& fileName, bool&) { seen.push_back(fileName); };
    try {
        spis.Search(folder.Path() + "/*.spi");
        FAIL() << "no exception";
    } catch (const ESPIInvalidAPI& e) {
        EXPECT_EQ(e.Message, "GetPictureは[" + broken + "]では使えないSusie Plugin APIです");
    }
    EXPECT_EQ(seen.size(), 2u);  // c.spi was not visited
    EXPECT_EQ(Listed(), (std::vector<std::string>{first}));
    EXPECT_EQ(TPicture::FileFormatClass("qtst"), &spitest::TestGraphic);
}

TEST_F(PluginSearch, LoadedSearchesWhenAutoSearchIsOn)
{
    const std::string qtst = folder.AddPlugin("qtst");
    SetSusieFolder(folder.Path());
    spis.SearchOptions = {TSPISearchOption::spsSusieDir};
    spis.AutoSearch = false;
    spis.Loaded();
    EXPECT_EQ(spis.Count(), 0);
    spis.AutoSearch = true;
    spis.SetState(TComponentStateFlag::csDesigning, true);
    spis.Loaded();
    EXPECT_EQ(spis.Count(), 0);
    spis.SetState(TComponentStateFlag::csDesigning, false);
    spis.SetState(TComponentStateFlag::csLoading, true);
    spis.Loaded();
    EXPECT_FALSE(spis.HasState(TComponentStateFlag::csLoading));
    EXPECT_EQ(Listed(), (std::vector<std::string>{qtst}));
}

}  // namespace
