// File > save the horizontal or vertical graph: a BMP file of the graph's bitmap.
#include "tests/app/AppTestSupport.h"

#include "platform/graphics/BmpCodec.h"

namespace {

TDib ReadBmp(const std::vector<std::uint8_t>& bytes) { return ReadBmpFile(bytes.data(), bytes.size()); }

}  // namespace

using SaveGraphTest = AppTest;

TEST_F(SaveGraphTest, EachCommandWritesItsGraphAsBmpWhateverTheName)
{
    form->Image2->Canvas()->SetPixel(3, 4, clRed);
    struct Case {
        TMenuItem* item;
        std::string name;
        int width, height;
    };
    const Case cases[] = {{form->H2, "horizontal.jpg", 320, 210}, {form->N6, "vertical.bmp", 210, 240}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = PathOf(c.name);
        fakes.Dialogs.ConfirmFile(path);

        EXPECT_EQ(Choose(c.item), "");

        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        const TDib saved = ReadBmp(bytes);
        EXPECT_EQ(saved.Width, c.width);
        EXPECT_EQ(saved.Height, c.height);
        EXPECT_EQ(saved.PixelFormat, TPixelFormat::pf24bit);
    }
    TBitmap horizontal;
    horizontal.LoadFromFile(PathOf("horizontal.jpg"));
    EXPECT_EQ(horizontal.Canvas().Pixel(3, 4), clRed);
    EXPECT_EQ(fakes.Dialogs.FileRequests.at(0).Kind, TFileDialogKind::Save);
}

TEST_F(SaveGraphTest, AnExistingFileIsReplacedWithoutAQuestion)
{
    const std::string path = WriteBytes("graph.bmp", std::vector<std::uint8_t>(100000, 'x'));
    fakes.Dialogs.ConfirmFile(path);

    EXPECT_EQ(Choose(form->H2), "");

    EXPECT_EQ(ReadBmp(ReadBytes(path)).Width, 320);
    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
    EXPECT_FALSE(HasOption(fakes.Dialogs.FileRequests.at(0).Options, TOpenOption::ofOverwritePrompt));
}

TEST_F(SaveGraphTest, CancelledOrRightAfterALoadNothingIsWrittenOrReported)
{
    fakes.Dialogs.CancelFile();
    EXPECT_EQ(Choose(form->H2), "");

    form->Show();
    ASSERT_EQ(Drop({WriteSolidBmp("picture.bmp", 8, 8, clRed)}), "");
    for (TMenuItem* item : {form->H2, form->N6}) {
        const std::string path = PathOf(item->Name() + ".bmp");
        fakes.Dialogs.ConfirmFile(path);

        EXPECT_EQ(Choose(item), "");

        EXPECT_FALSE(std::filesystem::exists(path)) << item->Name();
    }
    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 1);
}

TEST_F(SaveGraphTest, AFileThatCannotBeCreatedIsReported)
{
    const std::string path = PathOf("no-such-folder/graph.bmp");
    fakes.Dialogs.ConfirmFile(path);

    EXPECT_EQ(Choose(form->N6), "ファイル " + path + " を作成できません");

    EXPECT_FALSE(std::filesystem::exists(PathOf("no-such-folder")));
}
