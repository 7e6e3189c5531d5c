#include <gtest/gtest.h>

#include "platform/controls/Dialogs.h"
#include "platform/controls/FakeServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/PictureDialogs.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"

namespace {

class TXyzBitmap : public TBitmap {
    QUORVEL_GRAPHIC_CLASS(TXyzBitmap)
};
QUORVEL_DEFINE_GRAPHIC_CLASS(TXyzBitmap, TBitmap, true)

class Dialogs : public ::testing::Test {
protected:
    TFakeServices fakes;
    TForm form{nullptr};
};

}  // namespace

TEST_F(Dialogs, PictureDialogsListTheFormatsRegisteredWhenTheyAreCreated)
{
    const std::string builtIn =
        "すべて (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|ビットマップ (*.bmp)|*.bmp|"
        "アイコン (*.ico)|*.ico|拡張メタファイル (*.emf)|*.emf|メタファイル (*.wmf)|*.wmf";
    TOpenPictureDialog before(&form);
    TPicture::RegisterFileFormat("xyz", "Test format", TXyzBitmap::StaticGraphicClass());
    TSavePictureDialog after(&form);
    const std::string bitmapsOnly = GraphicFilter(TBitmap::StaticGraphicClass());
    TPicture::UnregisterGraphicClass(TXyzBitmap::StaticGraphicClass());

    EXPECT_EQ(before.Filter, builtIn);
    EXPECT_EQ(after.Filter.substr(0, after.Filter.find('|')), "すべて (*.xyz;*.bmp;*.ico;*.emf;*.wmf)");
    EXPECT_NE(after.Filter.find("|Test format (*.xyz)|*.xyz|"), std::string::npos);
    // A kind of bitmap counts as a bitmap; icons and metafiles don't.
    EXPECT_EQ(bitmapsOnly, "すべて (*.xyz;*.bmp)|*.xyz;*.bmp|Test format (*.xyz)|*.xyz|ビットマップ (*.bmp)|*.bmp");
    EXPECT_EQ(GraphicFilter(TIcon::StaticGraphicClass()), "アイコン (*.ico)|*.ico");  // one entry: no "all"
}

TEST_F(Dialogs, ConfirmingSetsTheNameAndCancellingKeepsIt)
{
    TOpenPictureDialog open(&form);
    open.FileName = "old.bmp";
    fakes.Dialogs.CancelFile();
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName, "old.bmp");
    fakes.Dialogs.ConfirmFile("/pictures/new.bmp", 2);
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, "/pictures/new.bmp");
    EXPECT_EQ(open.FilterIndex, 2);
    ASSERT_EQ(fakes.Dialogs.FileRequests.size(), 2u);
    EXPECT_EQ(fakes.Dialogs.FileRequests[1].Kind, TFileDialogKind::Open);
    EXPECT_EQ(fakes.Dialogs.FileRequests[1].Parent, &form);
    EXPECT_EQ(fakes.Dialogs.FileRequests[1].Filter, open.Filter);
    EXPECT_FALSE(open.Execute());  // no answer left: cancelled
}

TEST_F(Dialogs, SaveDialogAsksNoQuestionBeforeReplacing)
{
    TSavePictureDialog save(&form);
    fakes.Dialogs.ConfirmFile("/tmp/graph.jpg");
    EXPECT_TRUE(save.Execute());
    const TFileDialogRequest& request = fakes.Dialogs.FileRequests.at(0);
    EXPECT_EQ(request.Kind, TFileDialogKind::Save);
    EXPECT_FALSE(HasOption(request.Options, TOpenOption::ofOverwritePrompt));
    EXPECT_EQ(save.FileName, "/tmp/graph.jpg");
}

TEST_F(Dialogs, ColourDialogPreselectsAndKeepsTheColourWhenCancelled)
{
    TColorDialog colours(&form);
    colours.Color = clYellow;
    colours.SetCtl3D(true);
    fakes.Dialogs.CancelColor();
    EXPECT_FALSE(colours.Execute());
    EXPECT_EQ(colours.Color, clYellow);
    fakes.Dialogs.ConfirmColor(RGB(1, 2, 3));
    EXPECT_TRUE(colours.Execute());
    EXPECT_EQ(colours.Color, RGB(1, 2, 3));
    EXPECT_EQ(fakes.Dialogs.ColorRequests.at(0).Color, clYellow);
    EXPECT_TRUE(fakes.Dialogs.ColorRequests.at(0).Ctl3D);
}

TEST(DialogDefaults, WithoutAHostEveryDialogIsCancelled)
{
    TOpenDialog open(nullptr);
    TColorDialog colours(nullptr);
    EXPECT_FALSE(open.Execute());
    EXPECT_FALSE(colours.Execute());
}
