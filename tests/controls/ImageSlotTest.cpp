#include <gtest/gtest.h>

#include <memory>

#include "RecordingView.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"

namespace {

class ImageSlot : public ::testing::Test {
protected:
    ImageSlot()
    {
        image = new TImage(&form);
        image->SetParent(&form);
        image->SetBounds(305, 30, 320, 210);
    }
    TForm form{nullptr};
    TImage* image;
};

TBitmap* SlotBitmap(TImage& image)
{
    return dynamic_cast<TBitmap*>(image.Picture()->Graphic());
}

}  // namespace

TEST_F(ImageSlot, FirstDrawingGivesAWhiteBitmapOfTheControlsSize)
{
    ASSERT_EQ(image->Picture()->Graphic(), nullptr);
    TCanvas* canvas = image->Canvas();
    TBitmap* bitmap = SlotBitmap(*image);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 320);
    EXPECT_EQ(bitmap->Height(), 210);
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    for (auto [x, y] : {std::pair{0, 0}, {319, 209}, {160, 100}})
        EXPECT_EQ(canvas->Pixel(x, y), clWhite);
    EXPECT_EQ(canvas->Pixel(320, 0), InvalidColor);
}

TEST_F(ImageSlot, ReadingAPixelAlsoCreatesTheBitmap)
{
    EXPECT_EQ(image->Canvas()->Pixel(5, 5), clWhite);
    EXPECT_NE(SlotBitmap(*image), nullptr);
}

TEST_F(ImageSlot, ClearingRemovesThePictureAndTheNextDrawingStartsWhite)
{
    TCanvas* canvas = image->Canvas();
    canvas->Pen.Color = clRed;
    canvas->MoveTo(0, 5);
    canvas->LineTo(10, 5);
    ASSERT_EQ(image->Canvas()->Pixel(3, 5), clRed);
    image->Picture()->SetGraphic(nullptr);
    EXPECT_EQ(image->Picture()->Graphic(), nullptr);
    EXPECT_EQ(image->Canvas()->Pixel(3, 5), clWhite);
    EXPECT_EQ(image->Canvas()->Pen.Color, clBlack);  // a fresh canvas, with its defaults
}

TEST_F(ImageSlot, AnEmptyBitmapStaysEmpty)
{
    image->Picture()->TakeGraphic(std::make_unique<TBitmap>());
    EXPECT_EQ(image->Canvas()->Pixel(0, 0), InvalidColor);
    EXPECT_EQ(SlotBitmap(*image)->Width(), 0);
}

TEST_F(ImageSlot, APictureOtherThanABitmapHasNoCanvas)
{
    image->Picture()->TakeGraphic(std::make_unique<TIcon>());
    try {
        image->Canvas();
        FAIL() << "an icon offered a canvas";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message, "ビットマップを持っている時のみイメージの変更が可能です");
    }
    EXPECT_NE(dynamic_cast<TIcon*>(image->Picture()->Graphic()), nullptr);  // the icon stays
}

TEST_F(ImageSlot, DrawingAndReplacingReachTheParentsView)
{
    TRecordingView view;
    form.SetView(&view);
    image->Canvas()->FillRect(Rect(0, 0, 4, 4));
    const int afterFill = view.Count(image, TViewChange::Picture);
    EXPECT_GE(afterFill, 2);  // the new bitmap, then the fill
    image->Picture()->SetGraphic(nullptr);
    EXPECT_GT(view.Count(image, TViewChange::Picture), afterFill);
    image->SetTransparent(true);
    image->SetBounds(0, 0, 10, 10);
    EXPECT_GE(view.Count(image, TViewChange::Bounds), 1);
    form.SetView(nullptr);
}

TEST_F(ImageSlot, TransparencyIsCarriedToTheBitmap)
{
    image->SetTransparent(true);
    image->Canvas();
    EXPECT_TRUE(SlotBitmap(*image)->Transparent());
    image->SetTransparent(false);
    EXPECT_FALSE(SlotBitmap(*image)->Transparent());
}
