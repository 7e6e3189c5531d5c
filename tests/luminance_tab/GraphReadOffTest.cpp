// Reading values off the profile graphs: clicks and drags on the graph overlays of both tabs.
#include "tests/luminance_tab/LuminanceTabFixture.h"

namespace {

class GraphReadOffTest : public LuminanceTabFixture {
protected:
    // A grey-100 picture with its horizontal profile (row 10) and vertical profile (column 10)
    // drawn: the graph lines run along y = 127 and x = 127. The read-off boxes hold a mark that
    // shows whether they were written.
    void DrawGrey100Profiles()
    {
        LoadSolid(320, 240, Grey(100));
        Click(form->Image5, TMouseButton::mbLeft, 10, 10);
        Click(form->Image5, TMouseButton::mbRight, 10, 10);
        Type(form->Edit3, "u");
        Type(form->Edit4, "u");
    }
};

TEST_F(GraphReadOffTest, ClickOnTheHorizontalGraphMarksTheColumnAndReadsTheLine)
{
    DrawGrey100Profiles();
    for (const int x : {0, 1, 160, 318}) {
        Type(form->Edit3, "u");
        Click(form->Image6, TMouseButton::mbLeft, x, 50);
        EXPECT_EQ(form->Edit3->Text(), "100") << x;
        EXPECT_EQ(ShownPixels(form->Image6), Column(x, 0, 210)) << x;
        EXPECT_EQ(PixelOf(form->Image6, x, 209), clRed);
    }
}

TEST_F(GraphReadOffTest, ClickOnTheVerticalGraphMarksTheRowAndReadsTheLine)
{
    DrawGrey100Profiles();
    for (const int y : {0, 1, 120, 238}) {
        Type(form->Edit4, "u");
        Click(form->Image7, TMouseButton::mbLeft, 50, y);
        EXPECT_EQ(form->Edit4->Text(), "100") << y;
        EXPECT_EQ(ShownPixels(form->Image7), Row(y, 0, 210)) << y;
        EXPECT_EQ(PixelOf(form->Image7, 209, y), clRed);
    }
}

TEST_F(GraphReadOffTest, LastIndexOfAFlatProfileHoldsNoLine)
{
    DrawGrey100Profiles();
    Click(form->Image6, TMouseButton::mbLeft, 319, 50);
    Click(form->Image7, TMouseButton::mbLeft, 50, 239);
    EXPECT_EQ(form->Edit3->Text(), "u");
    EXPECT_EQ(form->Edit4->Text(), "u");
    EXPECT_EQ(ShownPixels(form->Image6), Column(319, 0, 210));
    EXPECT_EQ(ShownPixels(form->Image7), Row(239, 0, 210));
}

struct ReadBackCase {
    int grey;
    const char* value;
    friend std::ostream& operator<<(std::ostream& out, const ReadBackCase& c) { return out << "grey " << c.grey; }
};

class ReadBackTest : public LuminanceTabFixture, public ::testing::WithParamInterface<ReadBackCase> {};

// A point plotted at the line position of v reads back as v or v − 1.
TEST_P(ReadBackTest, FlatProfileReadsBack)
{
    LoadSolid(320, 240, Grey(GetParam().grey));
    Click(form->Image5, TMouseButton::mbLeft, 0, 0);
    Click(form->Image5, TMouseButton::mbRight, 0, 0);
    Click(form->Image6, TMouseButton::mbLeft, 200, 0);
    Click(form->Image7, TMouseButton::mbLeft, 0, 200);
    EXPECT_EQ(form->Edit3->Text(), GetParam().value);
    EXPECT_EQ(form->Edit4->Text(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Greys, ReadBackTest,
                         ::testing::Values(ReadBackCase{255, "255"}, ReadBackCase{128, "127"}, ReadBackCase{100, "100"},
                                           ReadBackCase{1, "0"}, ReadBackCase{0, "0"}));

TEST_F(GraphReadOffTest, OnlyTheLeftButtonReads)
{
    DrawGrey100Profiles();
    for (const TMouseButton button : {TMouseButton::mbRight, TMouseButton::mbMiddle}) {
        Click(form->Image6, button, 50, 50);
        Click(form->Image7, button, 50, 50);
    }
    EXPECT_TRUE(IsEmptySlot(form->Image6));
    EXPECT_TRUE(IsEmptySlot(form->Image7));
    EXPECT_EQ(form->Edit3->Text(), "u");
    EXPECT_EQ(form->Edit4->Text(), "u");
}

TEST_F(GraphReadOffTest, ReleaseAfterLeavingTheGraphShowsNoMarkerAndReadsNothing)
{
    DrawGrey100Profiles();
    const struct {
        TImage* overlay;
        TPoint release;
    } cases[] = {{form->Image6, Point(-5, 10)}, {form->Image6, Point(320, 10)}, {form->Image7, Point(10, -1)},
                 {form->Image7, Point(10, 240)}};
    for (const auto& c : cases) {
        Click(c.overlay, TMouseButton::mbLeft, 50, 50);  // a marker that the release replaces
        Press(c.overlay, TMouseButton::mbLeft, 50, 50);
        Release(c.overlay, TMouseButton::mbLeft, c.release.X, c.release.Y);
        EXPECT_TRUE(ShownPixels(c.overlay).empty()) << c.overlay->Name() << " " << c.release.X << "," << c.release.Y;
    }
    // The clicks at 50 read the line; the releases outside left that value alone.
    EXPECT_EQ(form->Edit3->Text(), "100");
    EXPECT_EQ(form->Edit4->Text(), "100");
}

TEST_F(GraphReadOffTest, GraphWithoutLineLeavesTheValueBox)
{
    Click(form->Image6, TMouseButton::mbLeft, 30, 30);  // the white graph of a new window
    EXPECT_EQ(form->Edit3->Text(), "");
    EXPECT_EQ(ShownPixels(form->Image6), Column(30, 0, 210));

    DrawGrey100Profiles();
    form->Image2->Picture()->SetGraphic(nullptr);  // as opening a picture leaves it
    Click(form->Image6, TMouseButton::mbLeft, 30, 30);
    EXPECT_EQ(form->Edit3->Text(), "u");
}

TEST_F(GraphReadOffTest, DragAlongTheHorizontalGraphSweepsTheVerticalProfile)
{
    DrawGrey100Profiles();
    Press(form->Image6, TMouseButton::mbLeft, 40, 5);
    Move(form->Image6, LeftHeld, 60, 5);
    EXPECT_EQ(form->Edit1->Text(), "60");
    EXPECT_EQ(ShownPixels(form->Image5), Column(60, 0, 240));
    EXPECT_EQ(LinePixels(form->Image4), FlatVerticalGraph(100));
    EXPECT_EQ(ShownPixels(form->Image6), Column(60, 0, 210));
    EXPECT_EQ(form->Edit3->Text(), "100");

    // At 0 the box shows "0", which profiles nothing: the column-60 profile stays.
    Type(form->Edit3, "u");
    Move(form->Image6, LeftHeld, 0, 5);
    EXPECT_EQ(form->Edit1->Text(), "0");
    EXPECT_EQ(ShownPixels(form->Image5), Column(60, 0, 240));
    EXPECT_EQ(ShownPixels(form->Image6), Column(0, 0, 210));
    EXPECT_EQ(form->Edit3->Text(), "100");

    // At the far edge (inclusive) the scan line goes and the marker lies outside the overlay.
    Type(form->Edit3, "u");
    Move(form->Image6, LeftHeld, 320, 5);
    EXPECT_EQ(form->Edit1->Text(), "320");
    EXPECT_TRUE(IsEmptySlot(form->Image5));
    EXPECT_TRUE(ShownPixels(form->Image6).empty());
    EXPECT_EQ(form->Edit3->Text(), "u");

    // Past it, nothing happens.
    Move(form->Image6, LeftHeld, 321, 5);
    EXPECT_EQ(form->Edit1->Text(), "320");
    Release(form->Image6, TMouseButton::mbLeft, 321, 5);
}

TEST_F(GraphReadOffTest, DragAlongTheVerticalGraphSweepsTheHorizontalProfile)
{
    DrawGrey100Profiles();
    Press(form->Image7, TMouseButton::mbLeft, 5, 30);
    Move(form->Image7, LeftHeld, 5, 70);
    EXPECT_EQ(form->Edit2->Text(), "70");
    EXPECT_EQ(ShownPixels(form->Image3), Row(70, 0, 320));
    EXPECT_EQ(ShownPixels(form->Image7), Row(70, 0, 210));
    EXPECT_EQ(form->Edit4->Text(), "100");

    Move(form->Image7, LeftHeld, 5, 240);
    EXPECT_EQ(form->Edit2->Text(), "240");
    EXPECT_TRUE(IsEmptySlot(form->Image3));
    EXPECT_EQ(form->Edit4->Text(), "100");
    Move(form->Image7, LeftHeld, 5, 241);
    EXPECT_EQ(form->Edit2->Text(), "240");
}

TEST_F(GraphReadOffTest, MovingWithoutTheLeftButtonDoesNothing)
{
    DrawGrey100Profiles();
    Press(form->Image6, TMouseButton::mbRight, 40, 5);
    Move(form->Image6, RightHeld, 60, 5);
    Press(form->Image7, TMouseButton::mbRight, 40, 5);
    Move(form->Image7, RightHeld, 5, 60);
    EXPECT_EQ(form->Edit1->Text(), "10");
    EXPECT_EQ(form->Edit2->Text(), "10");
    EXPECT_TRUE(IsEmptySlot(form->Image6));
    EXPECT_TRUE(IsEmptySlot(form->Image7));
}

TEST_F(GraphReadOffTest, ContrastTabOverlaysActOnTheLuminanceTab)
{
    DrawGrey100Profiles();
    ShowTabOf(form->Image13);

    Press(form->Image13, TMouseButton::mbLeft, 40, 5);
    Move(form->Image13, LeftHeld, 60, 5);
    Release(form->Image13, TMouseButton::mbLeft, 60, 5);
    Press(form->Image14, TMouseButton::mbLeft, 5, 30);
    Move(form->Image14, LeftHeld, 5, 70);
    Release(form->Image14, TMouseButton::mbLeft, 5, 70);

    EXPECT_EQ(form->Edit1->Text(), "60");
    EXPECT_EQ(form->Edit2->Text(), "70");
    EXPECT_EQ(ShownPixels(form->Image6), Column(60, 0, 210));
    EXPECT_EQ(ShownPixels(form->Image7), Row(70, 0, 210));
    EXPECT_EQ(form->Edit3->Text(), "100");
    EXPECT_EQ(form->Edit4->Text(), "100");
    EXPECT_TRUE(IsEmptySlot(form->Image13));
    EXPECT_TRUE(IsEmptySlot(form->Image14));
}

}  // namespace
