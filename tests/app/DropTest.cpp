// Files dropped on the main window: the first one loads through the picture-format registry into
// both source images, and the graphs are cleared.
#include "tests/app/AppTestSupport.h"

#include "platform/controls/Drop.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "tests/icons/MetafileBuilder.h"

namespace {

constexpr const char* BadBitmap = "ビットマップイメージが不正です";
constexpr const char* NoCanvas = "ビットマップを持っている時のみイメージの変更が可能です";

}  // namespace

class DropTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        form->Show();  // registers the window for dropped files
    }
};

using DropRegistrationTest = AppTest;

TEST_F(DropRegistrationTest, TheWindowTakesDropsOnlyOnceShown)
{
    const std::string path = WriteSolidBmp("early.bmp", 4, 4, clRed);
    EXPECT_FALSE(form->AcceptsDroppedFiles());
    EXPECT_EQ(Drop({path}), "");
    EXPECT_EQ(PixelOf(form->Image1, 0, 0), clWhite);

    form->Show();

    EXPECT_TRUE(form->AcceptsDroppedFiles());
    EXPECT_EQ(Drop({path}), "");
    EXPECT_EQ(PixelOf(form->Image1, 0, 0), clRed);
}

TEST_F(DropTest, OnlyTheFirstOfSeveralFilesLoadsAndOnlyTheGraphsAreCleared)
{
    MarkSlots();
    const std::string first = WriteSolidBmp("first.bmp", 20, 10, clRed);
    const std::string second = WriteSolidBmp("second.bmp", 30, 30, clBlue);
    const std::string third = WriteBytes("third.bmp", {'x'});

    EXPECT_EQ(Drop({first, second, third}), "");

    for (TImage* source : {form->Image1, form->Image9}) {
        EXPECT_EQ(source->Picture()->Width(), 20);
        EXPECT_EQ(PixelOf(source, 0, 0), clRed);
    }
    EXPECT_TRUE(IsEmptySlot(form->Image2));
    EXPECT_TRUE(IsEmptySlot(form->Image4));
    // Scan lines, read-off markers and the rubber band stay over the new picture.
    for (TImage* kept : {form->Image3, form->Image5, form->Image6, form->Image7, form->Image10})
        EXPECT_TRUE(Marked(kept)) << kept->Name();
}

TEST_F(DropTest, AFileThatCannotBeLoadedReportsAndChangesNothing)
{
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {WriteSolidBmp("picture.xyz", 4, 4, clRed), "拡張子 .xyz の画像形式は処理できません"},
        {WriteSolidBmp("noextension", 4, 4, clRed), "拡張子 . の画像形式は処理できません"},
        {WriteBytes("broken.bmp", {'B', 'M', 1, 2, 3}), BadBitmap},
        {WriteBytes("broken.ico", {0, 0, 1, 0}), "アイコンイメージが不正です"},
        {WriteBytes("broken.wmf", {1, 2, 3}), "メタファイルが不正です"},
    };
    LoadPicture(*SolidBitmap(8, 8, clGreen));
    MarkSlots();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);

        EXPECT_EQ(Drop({c.path}), c.message);

        EXPECT_EQ(PixelOf(form->Image1, 7, 7), clGreen);
        EXPECT_EQ(PixelOf(form->Image9, 7, 7), clGreen);
        for (TImage* kept : {form->Image2, form->Image3, form->Image4, form->Image5, form->Image6, form->Image7})
            EXPECT_TRUE(Marked(kept)) << kept->Name();
    }
}

TEST_F(DropTest, ABadBitmapDroppedWhileScanLinesAreDrawnChangesNothing)
{
    LoadPicture(*SolidBitmap(320, 240, clGray));
    ShowTabOf(form->Image5);
    Click(form->Image5, TMouseButton::mbLeft, 10, 20);
    Click(form->Image5, TMouseButton::mbRight, 30, 40);
    const TColor scanLine = PixelOf(form->Image3, 0, 20);
    ASSERT_EQ(scanLine, form->ColorDialog1->Color);
    const std::string edits = form->Edit5->Text() + "/" + form->Edit6->Text();

    EXPECT_EQ(Drop({WriteBytes("bad.bmp", {'B', 'M', 0, 0})}), BadBitmap);

    EXPECT_EQ(PixelOf(form->Image1, 5, 5), clGray);
    EXPECT_EQ(PixelOf(form->Image3, 0, 20), scanLine);
    EXPECT_EQ(PixelOf(form->Image5, 30, 0), scanLine);
    EXPECT_FALSE(IsEmptySlot(form->Image2));
    EXPECT_FALSE(IsEmptySlot(form->Image4));
    EXPECT_EQ(form->Edit5->Text() + "/" + form->Edit6->Text(), edits);
}

TEST_F(DropTest, APathLongerThan254CharactersIsUsedWhole)
{
    std::filesystem::path folder = dir_;
    for (char name : {'a', 'b', 'c'})
        folder /= std::string(100, name);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "picture.bmp").string();
    ASSERT_GT(path.size(), 254u);
    SolidBitmap(6, 6, clBlue)->SaveToFile(path);

    EXPECT_EQ(Drop({path}), "");

    EXPECT_EQ(PixelOf(form->Image1, 5, 5), clBlue);
    EXPECT_EQ(PixelOf(form->Image9, 5, 5), clBlue);
}

TEST_F(DropTest, TheDropHandleIsReleasedWhetherTheLoadWorksOrNot)
{
    for (const std::string& path : {WriteSolidBmp("good.bmp", 2, 2, clRed), PathOf("missing.bmp")}) {
        SCOPED_TRACE(path);
        TDropHandleScope drop({path});
        TMessage message{WM_DROPFILES, drop.Handle(), 0, 0};

        RunHandler([&] { form->Dispatch(message); });

        EXPECT_EQ(DragQueryFileCount(drop.Handle()), 0u);
    }
}

TEST_F(DropTest, AnIconShowsButCannotBeAnalysedUntilABitmapIsLoaded)
{
    EXPECT_EQ(Drop({CorpusIcon()}), "");

    for (TImage* source : {form->Image1, form->Image9}) {
        ASSERT_NE(dynamic_cast<TIcon*>(source->Picture()->Graphic()), nullptr);
        EXPECT_EQ(source->Picture()->Width(), 32);
        EXPECT_EQ(source->Picture()->Height(), 32);
    }
    ShowTabOf(form->Image5);
    EXPECT_EQ(RunHandler([&] { Click(form->Image5, TMouseButton::mbLeft, 10, 10); }), NoCanvas);
    ShowTabOf(form->Image10);
    EXPECT_EQ(RunHandler([&] {
                  Press(form->Image10, TMouseButton::mbLeft, 50, 50);
                  Release(form->Image10, TMouseButton::mbLeft, 50, 50);
              }),
              NoCanvas);

    fakes.Dialogs.ConfirmFile(WriteSolidBmp("plain.bmp", 320, 240, clGray));
    ASSERT_EQ(Choose(form->O1), "");
    ShowTabOf(form->Image5);
    EXPECT_EQ(RunHandler([&] { Click(form->Image5, TMouseButton::mbLeft, 10, 10); }), "");
    EXPECT_FALSE(form->Edit5->Text().empty());
}

TEST_F(DropTest, AMetafileShowsAsAMetafile)
{
    const std::string path = WriteBytes("shapes.wmf", PlaceableWmf(0, 0, 1440, 720, 1440).Rectangle(10, 10, 500, 500).Bytes());

    EXPECT_EQ(Drop({path}), "");

    auto* metafile = dynamic_cast<TMetafile*>(form->Image1->Picture()->Graphic());
    ASSERT_NE(metafile, nullptr);
    EXPECT_EQ(metafile->Width(), 96);
    EXPECT_EQ(metafile->Height(), 48);
    EXPECT_NE(dynamic_cast<TMetafile*>(form->Image9->Picture()->Graphic()), nullptr);
}
