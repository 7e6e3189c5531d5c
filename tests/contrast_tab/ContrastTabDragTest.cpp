// Drags on the contrast tab of the real main window, driven through the tab's mouse dispatch and
// the boxes' typing, with the overlay compared pixel by pixel against an independent model.
#include "tests/contrast_tab/OverlayModel.h"
#include "tests/support/MainWindowFixture.h"

namespace {

constexpr TShiftState LeftHeld{TShiftStateFlag::ssLeft};
constexpr TShiftState RightHeld{TShiftStateFlag::ssRight};
constexpr TColor ScanLineColour = clRed;

// The rectangle whose outline runs along the outermost pixels of the region around a centre.
TRect Around(int x, int y, int halfWidth, int halfHeight)
{
    return Rect(x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight);
}

TColor Grey(std::uint8_t level) { return RGB(level, level, level); }

class ContrastTabTest : public MainWindowFixture {
protected:
    ContrastTabTest()
    {
        ShowTabOf(form->Image10);
        form->ColorDialog1->Color = ScanLineColour;
    }

    void SetHalfSizes(const char* width, const char* height)
    {
        Type(form->Edit9, width);
        Type(form->Edit10, height);
    }
    void Press(int x, int y, TMouseButton button = TMouseButton::mbLeft)
    {
        MainWindowFixture::Press(form->Image10, button, x, y);
    }
    void Move(TShiftState held, int x, int y) { MainWindowFixture::Move(form->Image10, held, x, y); }
    void Release(int x, int y, TMouseButton button = TMouseButton::mbLeft)
    {
        MainWindowFixture::Release(form->Image10, button, x, y);
    }
    void ExpectResults(const char* maximum, const char* minimum, const char* contrast)
    {
        EXPECT_EQ(form->Edit11->Text(), maximum);
        EXPECT_EQ(form->Edit12->Text(), minimum);
        EXPECT_EQ(form->Edit13->Text(), contrast);
    }
    void ExpectCentres(TPoint region, TPoint drag)
    {
        EXPECT_EQ(form->RegionCenter(), region);
        EXPECT_EQ(form->DragCenter(), drag);
    }

    OverlayModel overlay;
};

TEST_F(ContrastTabTest, FirstPressWithBothBoxesAtZeroOffersTwentyAndGoesOnWithZero)
{
    ASSERT_EQ(form->Edit9->Text(), "0");
    ASSERT_EQ(form->Edit10->Text(), "0");
    Press(3, 7);  // allowed only because the sizes read were 0
    EXPECT_EQ(form->Edit9->Text(), "20");
    EXPECT_EQ(form->Edit10->Text(), "20");
    EXPECT_TRUE(form->Dragging());
    ExpectCentres(Point(3, 7), Point(3, 7));
    // The yellow rectangle drawn around (0, 0) when the boxes changed is cleared by the press.
    EXPECT_TRUE(overlay.Matches(form->Image10));

    Move(LeftHeld, 100, 100);
    overlay.NotXorRectangle(Around(100, 100, 20, 20), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
}

TEST_F(ContrastTabTest, ChangedBoxDrawsAYellowRectangleAroundTheRegionCentre)
{
    Type(form->Edit9, "20");  // half-height still 0: an empty rectangle, nothing drawn
    EXPECT_TRUE(overlay.Matches(form->Image10));
    Type(form->Edit10, "20");
    // Only the lower-right quarter of the rectangle around (0, 0) lies on the overlay, and it is
    // yellow whatever the scan-line colour.
    overlay.CopyRectangle(Around(0, 0, 20, 20), clYellow);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    EXPECT_EQ(PixelOf(form->Image10, 19, 0), clYellow);
    EXPECT_EQ(PixelOf(form->Image10, 0, 19), clYellow);
    EXPECT_EQ(PixelOf(form->Image10, 18, 18), clWhite);
    EXPECT_FALSE(form->Dragging());
}

TEST_F(ContrastTabTest, BandFollowsInNotXorAndTheFinalRectangleStaysInCopyMode)
{
    SetHalfSizes("20", "10");
    Press(100, 100);
    EXPECT_TRUE(overlay.Matches(form->Image10));  // the yellow rectangle around (0, 0) is gone

    Move(LeftHeld, 150, 120);
    overlay.NotXorRectangle(Around(150, 120, 20, 10), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    Move(LeftHeld, 160, 130);  // the band moves: the old one is erased
    overlay.NotXorRectangle(Around(150, 120, 20, 10), ScanLineColour);
    overlay.NotXorRectangle(Around(160, 130, 20, 10), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    ExpectCentres(Point(100, 100), Point(160, 130));

    Move(LeftHeld, 10, 10);  // not an allowed centre: nothing happens
    EXPECT_TRUE(overlay.Matches(form->Image10));
    ExpectCentres(Point(100, 100), Point(160, 130));

    Move(LeftHeld, 100, 100);
    Release(100, 100);
    overlay.Clear();
    overlay.CopyRectangle(Around(100, 100, 20, 10), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    // The outline runs along the region's outermost columns and rows.
    for (TPoint on : {Point(80, 95), Point(119, 95), Point(100, 90), Point(100, 109)})
        EXPECT_EQ(PixelOf(form->Image10, on.X, on.Y), ScanLineColour) << on.X << "," << on.Y;
    for (TPoint off : {Point(79, 95), Point(120, 95), Point(100, 89), Point(100, 110), Point(81, 95)})
        EXPECT_EQ(PixelOf(form->Image10, off.X, off.Y), clWhite) << off.X << "," << off.Y;
    EXPECT_FALSE(form->Dragging());
    ExpectCentres(Point(100, 100), Point(100, 100));

    // A press elsewhere keeps the final rectangle; the next band is not-xor over it, so where
    // their outlines cross the pixels turn white, and they come back when the band moves on.
    Press(10, 10);
    EXPECT_TRUE(form->Dragging());
    ExpectCentres(Point(100, 100), Point(100, 100));
    Move(LeftHeld, 110, 100);
    overlay.NotXorRectangle(Around(110, 100, 20, 10), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    EXPECT_EQ(PixelOf(form->Image10, 100, 90), clWhite);
    Move(LeftHeld, 110, 105);
    overlay.NotXorRectangle(Around(110, 100, 20, 10), ScanLineColour);
    overlay.NotXorRectangle(Around(110, 105, 20, 10), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    EXPECT_EQ(PixelOf(form->Image10, 100, 90), ScanLineColour);

    Release(5, 5);  // elsewhere: the band stays
    EXPECT_FALSE(form->Dragging());
    EXPECT_TRUE(overlay.Matches(form->Image10));
    ExpectCentres(Point(100, 100), Point(110, 105));
}

// The band is erased only where it lies. Comparing the last band's centre with the region's
// centre instead would leave a band behind once the pointer passes the press point, and would
// draw a stray one where the pointer last rested before a press outside the allowed centres.
TEST_F(ContrastTabTest, BandLeavesNoTraceBehind)
{
    SetHalfSizes("20", "20");
    Press(100, 100);
    Move(LeftHeld, 120, 120);
    Move(LeftHeld, 100, 100);  // back over the press point
    Move(LeftHeld, 140, 140);
    overlay.NotXorRectangle(Around(140, 140, 20, 20), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    Release(140, 140);

    Move({}, 200, 150);  // resting, no button held
    EXPECT_EQ(form->DragCenter(), Point(200, 150));
    Press(5, 5);  // not an allowed centre
    Move(LeftHeld, 210, 150);
    overlay.Clear();
    overlay.CopyRectangle(Around(140, 140, 20, 20), ScanLineColour);
    overlay.NotXorRectangle(Around(210, 150, 20, 20), ScanLineColour);
    EXPECT_TRUE(overlay.Matches(form->Image10));
}

TEST_F(ContrastTabTest, RegionStatisticsWhileTheLeftButtonIsHeldAndOnRelease)
{
    auto picture = SolidBitmap(320, 240, clWhite);
    picture->SetPixelAt(80, 90, Grey(50));  // top-left pixel of the region around (100, 100)
    for (TPoint outside : {Point(79, 95), Point(120, 95), Point(100, 89), Point(100, 110)})
        picture->SetPixelAt(outside.X, outside.Y, clBlack);  // just outside it
    picture->SetPixelAt(30, 40, RGB(255, 128, 0));
    LoadPicture(*picture);
    SetHalfSizes("20", "10");

    Move({}, 30, 40);  // not dragging, no button: read-out only
    EXPECT_EQ(form->StatusBar1->SimpleText(), " X,Y=(30, 40)   R: 255  G: 128  B: 0");
    ExpectResults("", "", "");

    Press(100, 100, TMouseButton::mbRight);
    Move(RightHeld, 100, 100);  // a band, but statistics need the left button
    ExpectResults("", "", "");
    Release(100, 100, TMouseButton::mbRight);
    ExpectResults("255", "50", "0.672131147540984");  // 205 / 305

    Press(100, 100);
    Move(LeftHeld, 101, 100);  // the grey pixel falls out on the left, a black one comes in on the right
    ExpectResults("255", "0", "1");
    EXPECT_EQ(form->StatusBar1->SimpleText(), " X,Y=(101, 100)   R: 255  G: 255  B: 255");
    Move(LeftHeld, 100, 100);
    ExpectResults("255", "50", "0.672131147540984");
    Move(LeftHeld, 15, 100);  // not an allowed centre: nothing is measured or read out
    ExpectResults("255", "50", "0.672131147540984");
    EXPECT_EQ(form->StatusBar1->SimpleText(), " X,Y=(100, 100)   R: 255  G: 255  B: 255");
}

TEST_F(ContrastTabTest, HalfSizes160And120AllowOnlyTheCentreOfTheSlot)
{
    auto picture = SolidBitmap(320, 240, Grey(128));
    picture->SetPixelAt(0, 0, Grey(10));
    picture->SetPixelAt(319, 239, Grey(240));
    LoadPicture(*picture);
    SetHalfSizes("160", "120");
    overlay.CopyRectangle(Around(0, 0, 160, 120), clYellow);

    for (TPoint refused : {Point(159, 120), Point(161, 120), Point(160, 119), Point(160, 121)}) {
        Press(refused.X, refused.Y);
        Move(LeftHeld, refused.X, refused.Y);
        Release(refused.X, refused.Y);
    }
    EXPECT_TRUE(overlay.Matches(form->Image10));
    ExpectCentres(Point(0, 0), Point(0, 0));
    ExpectResults("", "", "");

    Press(160, 120);
    Move(LeftHeld, 160, 120);
    ExpectResults("240", "10", "0.92");
    Release(160, 120);
    overlay.Clear();
    overlay.CopyRectangle(Rect(0, 0, 320, 240), ScanLineColour);  // along the slot's edges
    EXPECT_TRUE(overlay.Matches(form->Image10));
    ExpectResults("240", "10", "0.92");
    ExpectCentres(Point(160, 120), Point(160, 120));
}

TEST_F(ContrastTabTest, NegativeHalfWidthAllowsAnyColumnAndMeasuresNothing)
{
    SetHalfSizes("-5", "20");
    Press(318, 100);
    EXPECT_TRUE(form->Dragging());
    EXPECT_EQ(form->RegionCenter(), Point(318, 100));
    Move(LeftHeld, 2, 100);
    ExpectResults("0", "255", "-1");
    Release(2, 100);
    ExpectResults("0", "255", "-1");
    EXPECT_EQ(form->RegionCenter(), Point(2, 100));
    EXPECT_EQ(form->Edit9->Text(), "-5");
}

TEST_F(ContrastTabTest, RegionWhosePixelsAllMeasureOneShowsErr)
{
    LoadPicture(*SolidBitmap(320, 240, clBlack));
    SetHalfSizes("20", "20");
    Click(form->Image10, TMouseButton::mbLeft, 100, 100);
    ExpectResults("0", "0", "ERR");
}

TEST_F(ContrastTabTest, EmptiedBoxWhileDraggingShowsTheConversionErrorAndTheProgramGoesOn)
{
    SetHalfSizes("20", "20");
    Press(100, 100);
    Move(LeftHeld, 120, 120);
    ASSERT_TRUE(fakes.MessageBoxes.Shown.empty());

    EXPECT_FALSE(application->Guard([&] { Type(form->Edit9, ""); }));
    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 1u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Text, "'' は整数ではありません");
    EXPECT_TRUE(overlay.Matches(form->Image10));  // the box's change had cleared the overlay

    EXPECT_FALSE(application->Guard([&] { Move(LeftHeld, 130, 130); }));
    EXPECT_EQ(fakes.MessageBoxes.Shown.size(), 2u);
    EXPECT_TRUE(form->Dragging());
    ExpectCentres(Point(100, 100), Point(120, 120));

    Type(form->Edit9, "15");
    overlay.CopyRectangle(Around(100, 100, 15, 20), clYellow);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    // The pen keeps the yellow of the changed box for the rest of the drag.
    Move(LeftHeld, 130, 130);
    overlay.NotXorRectangle(Around(130, 130, 15, 20), clYellow);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    Release(130, 130);
    overlay.CopyRectangle(Around(130, 130, 15, 20), clYellow);
    EXPECT_TRUE(overlay.Matches(form->Image10));
    ExpectResults("255", "255", "0");
    EXPECT_EQ(fakes.MessageBoxes.Shown.size(), 2u);
}

}  // namespace
