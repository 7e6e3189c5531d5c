// The status-bar read-out of the pixel under the pointer.
#include "tests/luminance_tab/LuminanceTabFixture.h"

namespace {

struct ReadoutCase {
    int x, y;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const ReadoutCase& c) { return out << c.x << "," << c.y; }
};

class PixelReadoutTest : public LuminanceTabFixture, public ::testing::WithParamInterface<ReadoutCase> {
protected:
    // A 300 × 200 grey picture, smaller than the slot, with two marked pixels.
    void LoadMarkedPicture()
    {
        auto picture = SolidBitmap(300, 200, Grey(200));
        picture->Canvas().SetPixel(12, 34, RGB(255, 128, 0));
        picture->Canvas().SetPixel(0, 0, RGB(1, 2, 3));
        LoadPicture(*picture);
    }
    // The middle button does nothing on the picture but keeps the pointer captured past its edges.
    void HoverCaptured(int x, int y)
    {
        Press(form->Image5, TMouseButton::mbMiddle, 0, 0);
        Move(form->Image5, MiddleHeld, x, y);
        Release(form->Image5, TMouseButton::mbMiddle, x, y);
    }
};

TEST_P(PixelReadoutTest, ShowsPositionAndChannels)
{
    const ReadoutCase& c = GetParam();
    LoadMarkedPicture();
    HoverCaptured(c.x, c.y);
    EXPECT_EQ(form->StatusBar1->SimpleText(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, PixelReadoutTest,
    ::testing::Values(ReadoutCase{12, 34, " X,Y=(12, 34)   R: 255  G: 128  B: 0"},
                      ReadoutCase{0, 0, " X,Y=(0, 0)   R: 1  G: 2  B: 3"},
                      ReadoutCase{299, 199, " X,Y=(299, 199)   R: 200  G: 200  B: 200"},
                      ReadoutCase{300, 100, " X,Y=(300, 100)   R: 255  G: 255  B: 255"},  // beyond the picture
                      ReadoutCase{319, 239, " X,Y=(319, 239)   R: 255  G: 255  B: 255"},
                      ReadoutCase{320, 5, " X,Y=(320, 5)   R: 255  G: 255  B: 255"},  // one past the slot
                      ReadoutCase{5, 240, " X,Y=(5, 240)   R: 255  G: 255  B: 255"},
                      ReadoutCase{320, 240, " X,Y=(320, 240)   R: 255  G: 255  B: 255"}));

TEST_F(PixelReadoutTest, HoveringWithoutButtonsShowsThePixel)
{
    LoadMarkedPicture();
    Move(form->Image5, {}, 12, 34);
    EXPECT_EQ(form->StatusBar1->SimpleText(), " X,Y=(12, 34)   R: 255  G: 128  B: 0");
    EXPECT_EQ(form->Edit1->Text(), "0");  // no profile without a button
    EXPECT_EQ(form->Edit2->Text(), "0");
}

TEST_F(PixelReadoutTest, PositionsBeyondTheBoundsKeepTheText)
{
    LoadMarkedPicture();
    Move(form->Image5, {}, 12, 34);
    const std::string shown = form->StatusBar1->SimpleText();
    for (const TPoint p : {Point(321, 5), Point(-1, 5), Point(5, 241), Point(5, -1)}) {
        HoverCaptured(p.X, p.Y);
        EXPECT_EQ(form->StatusBar1->SimpleText(), shown) << p.X << "," << p.Y;
    }
}

}  // namespace
