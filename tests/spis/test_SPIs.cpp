#include <memory>
#include <string>
#include <tuple>
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
using spitest::OtherGraphic;
using spitest::TestGraphic;

class PluginRegistry : public ::testing::Test {
protected:
    PluginRegistry() { TSPIs::SetDefaultGraphic(&TestGraphic); }
    ~PluginRegistry() override
    {
        TSPIs::SetDefaultGraphic(nullptr);
        TPicture::UnregisterGraphicClass(&TestGraphic);
        TPicture::UnregisterGraphicClass(&OtherGraphic);
    }

    std::unique_ptr<TSPI> Load(const std::string& plugin)
    {
        std::unique_ptr<TSPI> spi = CreateSPI(folder.AddPlugin(plugin));
        EXPECT_NE(spi, nullptr) << plugin;
        return spi;
    }

    // Every registration that the component offers, as (extension, description).
    void LogRegistrations()
    {
        spis.OnPictureRegister = [this](TObject* sender, TInSPI*, const std::string& extension,
                                        const std::string& description, TGraphicClass&) {
            EXPECT_EQ(sender, &spis);
            offered.emplace_back(extension, description);
        };
    }

    fixtures::TempFolder folder;
    TSPIs spis{nullptr};
    std::vector<std::pair<std::string, std::string>> offered;
};

TEST_F(PluginRegistry, StartsWithItsDocumentedSettings)
{
    EXPECT_TRUE(spis.MacBinary);
    EXPECT_FALSE(spis.GraphicPreview);
    EXPECT_EQ(spis.GraphicForcedLoader, nullptr);
    EXPECT_TRUE(spis.AutoSearch);
    EXPECT_EQ(spis.SearchOptions.Bits(), 0b00011);  // spsSusieDir, spsAppDir
    EXPECT_EQ(spis.Count(), 0);
    EXPECT_EQ(MacBinaryOffsets[0], 0);
    EXPECT_EQ(MacBinaryOffsets[1], 128);
}

TEST_F(PluginRegistry, OnlyOneInstancePerProcess)
{
    EXPECT_EQ(SusiePlugins(), &spis);
    TComponent owner(nullptr);
    try {
        new TSPIs(&owner);
        FAIL() << "no exception";
    } catch (const ESPIDupCreateSPIs& e) {
        EXPECT_EQ(e.Message, "TSPIs は複数生成できません");
    }
    EXPECT_EQ(owner.ComponentCount(), 0);  // the refused component left nothing behind
    EXPECT_EQ(SusiePlugins(), &spis);
}

TEST(PluginRegistryLifetime, TheInstanceGoesWithItsComponent)
{
    {
        TComponent owner(nullptr);
        auto* spis = new TSPIs(&owner);
        EXPECT_EQ(SusiePlugins(), spis);
    }
    EXPECT_EQ(SusiePlugins(), nullptr);
    TSPIs again(nullptr);  // a new one may be made afterwards
    EXPECT_EQ(SusiePlugins(), &again);
}

TEST_F(PluginRegistry, RegistersEachPatternOfAnEntryLastFirstWithTheEntrysDescription)
{
    LogRegistrations();
    spis.Add(Load("in_pattern_lists"));
    spis.Add(Load("in_no_dot"));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"bbb", "AB picture"},  {"aaa", "AB picture"},  {"eee", "CDE picture"},
        {"d.dd", "CDE picture"}, {"ccc", "CDE picture"}, {"nodot", "No-dot picture"}};
    EXPECT_EQ(offered, expected);
    for (const char* extension : {"aaa", "bbb", "ccc", "d.dd", "eee", "nodot"})
        EXPECT_EQ(TPicture::FileFormatClass(extension), &TestGraphic) << extension;
    // The registry lists the newest first: "bbb" was registered before "aaa".
    std::vector<std::string> newestFirst;
    for (const TFileFormat& format : TPicture::FileFormats())
        if (format.GraphicClass == &TestGraphic)
            newestFirst.push_back(format.Extension);
    EXPECT_EQ(newestFirst, (std::vector<std::string>{"nodot", "ccc", "d.dd", "eee", "aaa", "bbb"}));
}

TEST_F(PluginRegistry, EmptyPiecesRegisterNothing)
{
    // "*.fff;;*.ggg;" and "*.": a trailing ";", two in a row, a pattern ending in its dot.
    LogRegistrations();
    spis.Add(Load("in_empty_pieces"));
    const std::vector<std::pair<std::string, std::string>> expected = {{"ggg", "FG picture"}, {"fff", "FG picture"}};
    EXPECT_EQ(offered, expected);
    EXPECT_EQ(TPicture::FileFormatClass(""), nullptr);
}

TEST_F(PluginRegistry, RegisterHandlerChangesTheClassForTheRestOfTheEntry)
{
    // nullptr at "bbb" suppresses "bbb" and "aaa"; the next entry starts with the default again.
    spis.OnPictureRegister = [](TObject*, TInSPI*, const std::string& extension, const std::string&,
                                TGraphicClass& graphicClass) {
        if (extension == "bbb")
            graphicClass = nullptr;
    };
    spis.Add(Load("in_pattern_lists"));
    EXPECT_EQ(TPicture::FileFormatClass("bbb"), nullptr);
    EXPECT_EQ(TPicture::FileFormatClass("aaa"), nullptr);
    EXPECT_EQ(TPicture::FileFormatClass("ccc"), &TestGraphic);

    spis.Clear();
    spis.OnPictureRegister = [](TObject*, TInSPI*, const std::string& extension, const std::string&,
                                TGraphicClass& graphicClass) {
        if (extension == "bbb")
            graphicClass = &OtherGraphic;
    };
    spis.Add(Load("in_pattern_lists"));
    EXPECT_EQ(TPicture::FileFormatClass("bbb"), &OtherGraphic);
    EXPECT_EQ(TPicture::FileFormatClass("aaa"), &OtherGraphic);
    EXPECT_EQ(TPicture::FileFormatClass("ccc"), &TestGraphic);
}

TEST_F(PluginRegistry, OnlyImageInputPluginsWithADefaultClassAreRegistered)
{
    LogRegistrations();
    for (const char* plugin : {"archive", "xn", "in_lower_case", "no_type"})
        spis.Add(Load(plugin));
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(spis.Count(), 4);

    TSPIs::SetDefaultGraphic(nullptr);
    spis.OnPictureRegister = nullptr;
    spis.Add(Load("qtst"));
    EXPECT_EQ(TPicture::FileFormatClass("qtst"), nullptr);
    EXPECT_EQ(spis.Count(), 5);
}

TEST_F(PluginRegistry, NothingIsRegisteredInDesignMode)
{
    LogRegistrations();
    spis.SetState(TComponentStateFlag::csDesigning, true);
    spis.Add(Load("qtst"));
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(spis.Count(), 1);
}

TEST_F(PluginRegistry, InsertOutsideTheListRaisesBeforeRegisteringAndFreesTheWrapper)
{
    LogRegistrations();
    const std::string path = folder.AddPlugin("qtst");
    for (int index : {-1, 1}) {
        std::unique_ptr<TSPI> spi = CreateSPI(path);
        spis.GraphicForcedLoader = dynamic_cast<TInSPI*>(spi.get());
        EXPECT_THROW(spis.Insert(index, std::move(spi)), EListError) << index;
        EXPECT_FALSE(IsLoaded(path));
        EXPECT_EQ(spis.GraphicForcedLoader, nullptr) << "the freed wrapper stayed the forced loader";
    }
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(spis.Count(), 0);
}

TEST_F(PluginRegistry, AWrapperThatCannotBeRegisteredLeavesTheListAndIsFreed)
{
    spis.Add(Load("archive"));
    const std::string path = folder.AddPlugin("in_pattern_lists");
    spis.OnPictureRegister = [](TObject*, TInSPI*, const std::string& extension, const std::string&, TGraphicClass&) {
        if (extension == "aaa")
            throw EInvalidGraphic("refused");
    };
    EXPECT_THROW(spis.Insert(0, CreateSPI(path)), EInvalidGraphic);
    EXPECT_EQ(spis.Count(), 1);
    EXPECT_EQ(spis.Plugins(0)->APIVersion(), "00AM");
    EXPECT_FALSE(IsLoaded(path));
    EXPECT_EQ(TPicture::FileFormatClass("bbb"), &TestGraphic);  // made before the refusal; it stays
}

TEST_F(PluginRegistry, ListOperations)
{
    spis.Add(Load("qtst"));
    spis.Add(Load("archive"));
    spis.Add(Load("xn"));
    TSPI* qtst = spis.Plugins(0);
    TSPI* xn = spis.Plugins(2);
    EXPECT_EQ(spis.IndexOf(xn), 2);
    EXPECT_EQ(spis.IndexOf(nullptr), -1);
    spis.Exchange(0, 2);
    EXPECT_EQ(spis.Plugins(0), xn);
    EXPECT_EQ(spis.Plugins(2), qtst);
    EXPECT_THROW(spis.Plugins(3), EListError);
    EXPECT_THROW(spis.Plugins(-1), EListError);
    EXPECT_THROW(spis.Exchange(0, 3), EListError);
    EXPECT_THROW(spis.Delete(3), EListError);

    std::string upper = qtst->SPIName();
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    EXPECT_EQ(spis.IndexOfSPIName(upper), 2);  // ASCII letters compared without case
    EXPECT_EQ(spis.IndexOfSPIName(folder / "other.spi"), -1);

    const std::string xnPath = xn->SPIName();
    spis.Remove(xn);
    EXPECT_EQ(spis.Count(), 2);
    EXPECT_FALSE(IsLoaded(xnPath));
    std::unique_ptr<TSPI> unlisted = Load("in_no_dot");
    spis.Remove(unlisted.get());  // not listed: nothing happens
    EXPECT_EQ(spis.Count(), 2);
}

TEST_F(PluginRegistry, DeleteKeepsRegistrationsAndForgetsTheForcedLoader)
{
    spis.Add(Load("qtst"));
    spis.Add(Load("qtst_preview"));
    spis.GraphicForcedLoader = dynamic_cast<TInSPI*>(spis.Plugins(1));
    spis.Delete(0);
    EXPECT_EQ(spis.GraphicForcedLoader, spis.Plugins(0));  // another wrapper: kept
    EXPECT_EQ(TPicture::FileFormatClass("qtst"), &TestGraphic);
    const std::string path = spis.Plugins(0)->SPIName();
    spis.Delete(0);
    EXPECT_EQ(spis.GraphicForcedLoader, nullptr);
    EXPECT_FALSE(IsLoaded(path));

    spis.Add(Load("qtst"));
    spis.GraphicForcedLoader = dynamic_cast<TInSPI*>(spis.Plugins(0));
    spis.Clear();
    EXPECT_EQ(spis.GraphicForcedLoader, nullptr);
    EXPECT_EQ(spis.Count(), 0);
}

class FindPluginList : public PluginRegistry {
protected:
    void SetUp() override
    {
        for (const char* plugin : {"qtst", "in_pattern_lists", "qtst_preview", "archive", "in_no_dot", "in_lower_case"})
            spis.Add(Load(plugin));
    }

    // Fixture names (file names without ".spi") of the list's wrappers.
    std::vector<std::string> Names(const std::vector<TSPIClass>& classes, const std::string& fileName)
    {
        TList list;
        spis.FindPluginList(classes, fileName, list);
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i) {
            const std::string name = ExtractFileName(static_cast<TSPI*>(list[i])->SPIName());
            names.push_back(name.substr(0, name.size() - 4));
        }
        return names;
    }

    const std::vector<TSPIClass> imageInput{TInSPI::StaticSPIClass()};
};

TEST_F(FindPluginList, ClaimingPluginsComeFirstLastRegisteredFirst)
{
    using Names_ = std::vector<std::string>;
    EXPECT_EQ(Names(imageInput, "/pictures/cat.QTST"), (Names_{"qtst_preview", "qtst", "in_pattern_lists", "in_no_dot"}));
    // Only the last pattern of an entry counts.
    EXPECT_EQ(Names(imageInput, "x.bbb"), (Names_{"in_pattern_lists", "qtst", "qtst_preview", "in_no_dot"}));
    EXPECT_EQ(Names(imageInput, "x.EEE"), (Names_{"in_pattern_lists", "qtst", "qtst_preview", "in_no_dot"}));
    for (const char* name : {"x.aaa", "x.ccc", "x.dd"})
        EXPECT_EQ(Names(imageInput, name), (Names_{"qtst", "in_pattern_lists", "qtst_preview", "in_no_dot"})) << name;
    // No extension: every plug-in of the classes, in registration order.
    for (const char* name : {"noext", "folder.qtst/noext", "nodot", ""})
        EXPECT_EQ(Names(imageInput, name), (Names_{"qtst", "in_pattern_lists", "qtst_preview", "in_no_dot"})) << name;
}

TEST_F(FindPluginList, ClassesSelectDescendantsToo)
{
    using Names_ = std::vector<std::string>;
    EXPECT_EQ(Names({TLoaderSPI::StaticSPIClass()}, "a.arc"),
              (Names_{"archive", "qtst", "in_pattern_lists", "qtst_preview", "in_no_dot"}));
    EXPECT_EQ(Names({TSPI::StaticSPIClass()}, "a").size(), 6u);
    EXPECT_EQ(Names({TAmSPI::StaticSPIClass(), TXnSPI::StaticSPIClass()}, "a.qtst"), (Names_{"archive"}));
    EXPECT_TRUE(Names({}, "a.qtst").empty());
}

TEST_F(FindPluginList, AppendsToWhatTheListHolds)
{
    TList list;
    int marker = 0;
    list.Add(&marker);
    spis.FindPluginList(imageInput, "a.qtst", list);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list[0], spis.Plugins(2));  // claimers go to the front
    EXPECT_EQ(list[2], &marker);
}

}  // namespace
