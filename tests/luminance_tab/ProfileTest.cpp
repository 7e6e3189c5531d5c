// Profiles drawn from the picture: clicks and drags on the luminance tab's picture.
#include <memory>
#include <ostream>
#include <vector>

#include "tests/luminance_tab/LuminanceTabFixture.h"

namespace {

using ProfileTest = LuminanceTabFixture;

TEST_F(ProfileTest, LeftClickProfilesTheRowAndResetsTheHorizontalReadOff)
{
    LoadSolid(320, 240, Grey(100));
    Click(form->Image5, TMouseButton::mbLeft, 100, 50);
    Click(form->Image6, TMouseButton::mbLeft, 10, 5);  // a value read off the graph
    ASSERT_EQ(form->Edit3->Text(), "100");

    Click(form->Image5, TMouseButton::mbLeft, 100, 60);

    EXPECT_EQ(form->Edit2->Text(), "60");
    EXPECT_EQ(form->Edit5->Text(), "100");
    EXPECT_EQ(form->Edit7->Text(), "100");
    EXPECT_EQ(LinePixels(form->Image2), FlatHorizontalGraph(100));
    EXPECT_EQ(ShownPixels(form->Image3), Row(60, 0, 320));
    EXPECT_EQ(PixelOf(form->Image3, 0, 60), clYellow);
    EXPECT_EQ(PixelOf(form->Image3, 319, 60), clYellow);
    EXPECT_TRUE(IsEmptySlot(form->Image6));
    EXPECT_EQ(form->Edit3->Text(), "");
    // The vertical side is not touched.
    EXPECT_EQ(form->Edit1->Text(), "0");
    EXPECT_EQ(form->Edit6->Text(), "");
    EXPECT_TRUE(IsEmptySlot(form->Image5));
}

TEST_F(ProfileTest, RightClickProfilesTheColumnAndResetsTheVerticalReadOff)
{
    LoadSolid(320, 240, Grey(100));
    Click(form->Image5, TMouseButton::mbRight, 30, 100);
    Click(form->Image7, TMouseButton::mbLeft, 5, 10);
    ASSERT_EQ(form->Edit4->Text(), "100");

    Click(form->Image5, TMouseButton::mbRight, 40, 100);

    EXPECT_EQ(form->Edit1->Text(), "40");
    EXPECT_EQ(form->Edit6->Text(), "100");
    EXPECT_EQ(form->Edit8->Text(), "100");
    EXPECT_EQ(LinePixels(form->Image4), FlatVerticalGraph(100));
    EXPECT_EQ(ShownPixels(form->Image5), Column(40, 0, 240));
    EXPECT_TRUE(IsEmptySlot(form->Image7));
    EXPECT_EQ(form->Edit4->Text(), "");
    EXPECT_EQ(form->Edit2->Text(), "0");
    EXPECT_TRUE(IsEmptySlot(form->Image3));
}

struct FlatProfileCase {
    const char* name;
    bool horizontal;
    int index;  // row or column clicked
    int width, height;
    TColor inside, beyond;  // the picture's colour inside the slot's 320 × 240, and past it
    unsigned measure;       // of every pixel on the profile
    const char* maximum;
    const char* minimum;
    friend std::ostream& operator<<(std::ostream& out, const FlatProfileCase& c) { return out << c.name; }
};

class FlatProfileTest : public LuminanceTabFixture, public ::testing::WithParamInterface<FlatProfileCase> {};

TEST_P(FlatProfileTest, PlotsEveryPixelOfTheSlotsRowOrColumn)
{
    const FlatProfileCase& c = GetParam();
    auto picture = SolidBitmap(c.width, c.height, c.beyond);
    picture->Canvas().Brush.Color = c.inside;
    picture->Canvas().FillRect(Rect(0, 0, 320, 240));
    LoadPicture(*picture);
    if (c.horizontal)
        Click(form->Image5, TMouseButton::mbLeft, 7, c.index);
    else
        Click(form->Image5, TMouseButton::mbRight, c.index, 7);

    TImage* graph = c.horizontal ? form->Image2 : form->Image4;
    EXPECT_EQ(LinePixels(graph), c.horizontal ? FlatHorizontalGraph(c.measure) : FlatVerticalGraph(c.measure));
    EXPECT_EQ((c.horizontal ? form->Edit2 : form->Edit1)->Text(), std::to_string(c.index));
    EXPECT_EQ((c.horizontal ? form->Edit5 : form->Edit6)->Text(), c.maximum);
    EXPECT_EQ((c.horizontal ? form->Edit7 : form->Edit8)->Text(), c.minimum);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FlatProfileTest,
    ::testing::Values(
        FlatProfileCase{"WhiteLastRow", true, 239, 320, 240, clWhite, clWhite, 255, "255", "255"},
        FlatProfileCase{"BlackFirstRow", true, 0, 320, 240, clBlack, clBlack, 1, "0", "0"},
        FlatProfileCase{"Grey128HasNoFirstStep", true, 7, 320, 240, RGB(128, 128, 128), clWhite, 128, "128", "128"},
        FlatProfileCase{"RowBelowAShortPictureReadsWhite", true, 150, 320, 100, clBlack, clBlack, 255, "255", "255"},
        FlatProfileCase{"LargePictureRowScannedInsideTheSlot", true, 100, 400, 300, clWhite, clBlack, 255, "255",
                        "255"},
        FlatProfileCase{"WhiteLastColumn", false, 319, 320, 240, clWhite, clWhite, 255, "255", "255"},
        FlatProfileCase{"BlackColumn", false, 12, 320, 240, clBlack, clBlack, 1, "0", "0"},
        FlatProfileCase{"ColumnRightOfANarrowPictureReadsWhite", false, 150, 100, 240, clBlack, clBlack, 255, "255",
                        "255"},
        FlatProfileCase{"LargePictureColumnScannedInsideTheSlot", false, 100, 400, 300, clWhite, clBlack, 255, "255",
                        "255"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileTest, OneBlackPixelAmongGreyGivesMinimumZero)
{
    auto picture = SolidBitmap(320, 240, Grey(200));
    picture->Canvas().SetPixel(150, 80, clBlack);
    LoadPicture(*picture);

    Click(form->Image5, TMouseButton::mbLeft, 0, 80);
    EXPECT_EQ(form->Edit5->Text(), "200");
    EXPECT_EQ(form->Edit7->Text(), "0");
    EXPECT_EQ(Luminance(PixelOf(form->Image2, 150, 209)), 1u);  // the line dips to the bottom edge
    EXPECT_EQ(Luminance(PixelOf(form->Image2, 10, GraphLinePosition(200, GraphAxis))), 1u);

    Click(form->Image5, TMouseButton::mbRight, 150, 0);
    EXPECT_EQ(form->Edit6->Text(), "200");
    EXPECT_EQ(form->Edit8->Text(), "0");
}

TEST_F(ProfileTest, NarrowPictureProfilesWhiteBeyondItsRightEdge)
{
    LoadSolid(100, 240, Grey(100));
    Click(form->Image5, TMouseButton::mbLeft, 50, 10);
    EXPECT_EQ(form->Edit5->Text(), "255");
    EXPECT_EQ(form->Edit7->Text(), "100");
    EXPECT_EQ(Luminance(PixelOf(form->Image2, 50, 127)), 1u);
    EXPECT_EQ(Luminance(PixelOf(form->Image2, 200, 0)), 1u);
    EXPECT_NE(Luminance(PixelOf(form->Image2, 200, 127)), 1u);
}

// Rows and columns outside the slot, typed into a box or reached by releasing a captured button
// past the picture's edge.
struct OutsideCase {
    const char* name;
    bool horizontal;
    const char* typed;  // nullptr: pressed at `press`, released at `release`
    TPoint press, release;
    friend std::ostream& operator<<(std::ostream& out, const OutsideCase& c) { return out << c.name; }
};

class OutsideTest : public LuminanceTabFixture, public ::testing::WithParamInterface<OutsideCase> {};

TEST_P(OutsideTest, ChangesNeitherGraphNorBoxes)
{
    const OutsideCase& c = GetParam();
    auto picture = SolidBitmap(320, 240, Grey(100));
    picture->Canvas().SetPixel(60, 50, clBlack);
    LoadPicture(*picture);
    Click(form->Image5, TMouseButton::mbLeft, 60, 50);
    Click(form->Image5, TMouseButton::mbRight, 60, 50);
    const TPixelSet horizontalGraph = LinePixels(form->Image2), verticalGraph = LinePixels(form->Image4);
    const std::vector<std::string> extremes{form->Edit5->Text(), form->Edit6->Text(), form->Edit7->Text(),
                                            form->Edit8->Text()};

    if (c.typed != nullptr) {
        Type(c.horizontal ? form->Edit2 : form->Edit1, c.typed);
    } else {
        const TMouseButton button = c.horizontal ? TMouseButton::mbLeft : TMouseButton::mbRight;
        Press(form->Image5, button, c.press.X, c.press.Y);
        Release(form->Image5, button, c.release.X, c.release.Y);
    }

    EXPECT_EQ(LinePixels(form->Image2), horizontalGraph);
    EXPECT_EQ(LinePixels(form->Image4), verticalGraph);
    EXPECT_EQ((std::vector<std::string>{form->Edit5->Text(), form->Edit6->Text(), form->Edit7->Text(),
                                        form->Edit8->Text()}),
              extremes);
    // The scan line of that kind was cleared before the attempt; the other stays.
    EXPECT_TRUE(IsEmptySlot(c.horizontal ? form->Image3 : form->Image5));
    EXPECT_FALSE(IsEmptySlot(c.horizontal ? form->Image5 : form->Image3));
    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    RowsAndColumns, OutsideTest,
    ::testing::Values(OutsideCase{"TypedRow240", true, "240", {}, {}},
                      OutsideCase{"TypedRowMinus1", true, "-1", {}, {}},
                      OutsideCase{"TypedColumn320", false, "320", {}, {}},
                      OutsideCase{"TypedColumnMinus1", false, "-1", {}, {}},
                      OutsideCase{"LeftReleasedBelowThePicture", true, nullptr, {10, 200}, {10, 240}},
                      OutsideCase{"LeftReleasedAboveThePicture", true, nullptr, {10, 2}, {10, -1}},
                      OutsideCase{"RightReleasedRightOfThePicture", false, nullptr, {300, 10}, {320, 10}},
                      OutsideCase{"RightReleasedLeftOfThePicture", false, nullptr, {3, 10}, {-1, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileTest, MiddleClickChangesNothing)
{
    LoadSolid(320, 240, Grey(100));
    Click(form->Image5, TMouseButton::mbLeft, 10, 20);
    Click(form->Image5, TMouseButton::mbRight, 10, 20);
    const TPixelSet scanH = ShownPixels(form->Image3), scanV = ShownPixels(form->Image5);

    Click(form->Image5, TMouseButton::mbMiddle, 100, 100);

    EXPECT_EQ(ShownPixels(form->Image3), scanH);
    EXPECT_EQ(ShownPixels(form->Image5), scanV);
    EXPECT_EQ(form->Edit1->Text(), "10");
    EXPECT_EQ(form->Edit2->Text(), "20");
}

TEST_F(ProfileTest, ScanLineTakesTheColourHeldByTheColourDialog)
{
    LoadSolid(320, 240, Grey(100));
    form->ColorDialog1->Color = clLime;
    Click(form->Image5, TMouseButton::mbLeft, 5, 30);
    Click(form->Image5, TMouseButton::mbRight, 40, 5);
    EXPECT_EQ(ShownPixels(form->Image3), Row(30, 0, 320));
    EXPECT_EQ(ShownPixels(form->Image5), Column(40, 0, 240));
    EXPECT_EQ(PixelOf(form->Image3, 200, 30), clLime);
    EXPECT_EQ(PixelOf(form->Image5, 40, 200), clLime);
}

// Records the order in which boxes change, keeping the handlers the window bound.
class BoxRecorder {
public:
    void Watch(TEdit* edit)
    {
        edit->OnChange = [this, edit, bound = edit->OnChange](TObject* sender) {
            Changes.push_back(edit->Name() + "=" + edit->Text());
            if (bound)
                bound(sender);
        };
    }
    std::vector<std::string> Changes;
};

TEST_F(ProfileTest, WritesCoordinateThenMaximumThenMinimumOnce)
{
    LoadSolid(320, 240, Grey(100));
    BoxRecorder recorder;
    for (TEdit* edit : {form->Edit1, form->Edit2, form->Edit5, form->Edit6, form->Edit7, form->Edit8})
        recorder.Watch(edit);

    Click(form->Image5, TMouseButton::mbLeft, 3, 70);
    EXPECT_EQ(recorder.Changes, (std::vector<std::string>{"Edit2=70", "Edit5=100", "Edit7=100"}));
}

TEST_F(ProfileTest, MovingWithBothButtonsHeldRedrawsBothProfilesHorizontalFirst)
{
    LoadSolid(320, 240, Grey(100));
    BoxRecorder recorder;
    recorder.Watch(form->Edit1);
    recorder.Watch(form->Edit2);
    Press(form->Image5, TMouseButton::mbLeft, 10, 10);
    const TShiftState both{TShiftStateFlag::ssLeft, TShiftStateFlag::ssRight};

    Move(form->Image5, both, 30, 40);
    Move(form->Image5, both, 31, 41);

    EXPECT_EQ(recorder.Changes, (std::vector<std::string>{"Edit2=40", "Edit1=30", "Edit2=41", "Edit1=31"}));
    EXPECT_EQ(ShownPixels(form->Image3), Row(41, 0, 320));
    EXPECT_EQ(ShownPixels(form->Image5), Column(31, 0, 240));
    EXPECT_EQ(form->StatusBar1->SimpleText(), " X,Y=(31, 41)   R: 100  G: 100  B: 100");
}

TEST_F(ProfileTest, MovingWithTheLeftButtonSweepsOnlyTheRow)
{
    LoadSolid(320, 240, Grey(100));
    Click(form->Image6, TMouseButton::mbLeft, 10, 5);  // a marker that the sweep resets
    Press(form->Image5, TMouseButton::mbLeft, 10, 10);
    Move(form->Image5, LeftHeld, 20, 30);
    EXPECT_EQ(form->Edit2->Text(), "30");
    EXPECT_EQ(form->Edit1->Text(), "0");
    EXPECT_TRUE(IsEmptySlot(form->Image5));
    EXPECT_TRUE(IsEmptySlot(form->Image6));
}

class CountingView : public IControlView {
public:
    explicit CountingView(TComponent* watched) : watched_(watched) {}
    void Changed(TComponent& source, TViewChange change) override
    {
        if (&source == watched_ && change == TViewChange::Picture)
            ++Count;
    }
    int Count = 0;

private:
    TComponent* watched_;
};

TEST_F(ProfileTest, DrawingAProfileRepaintsTheGraphAFewTimesOnly)
{
    LoadSolid(320, 240, Grey(100));
    CountingView view(form->Image2);
    form->TabSheet1->SetView(&view);  // the graph has no view of its own: its tab paints it
    Click(form->Image5, TMouseButton::mbLeft, 3, 70);  // two runs: the box's change handler draws again
    form->TabSheet1->SetView(nullptr);
    EXPECT_GE(view.Count, 1);
    EXPECT_LE(view.Count, 4);
}

TEST_F(ProfileTest, PictureThatIsNotABitmapFailsAfterClearingTheGraph)
{
    LoadSolid(320, 240, Grey(100));
    Click(form->Image5, TMouseButton::mbLeft, 3, 70);
    form->Image1->Picture()->LoadFromFile(QUORVEL_TESTDATA_DIR "/ico/image-rs/images/smile.ico");  // as a drop does

    Guarded([&] { Click(form->Image5, TMouseButton::mbLeft, 3, 80); });
    Guarded([&] { Move(form->Image5, {}, 3, 80); });

    EXPECT_EQ(ErrorTexts(), (std::vector<std::string>(2, "ビットマップを持っている時のみイメージの変更が可能です")));
    EXPECT_TRUE(LinePixels(form->Image2).empty());
    EXPECT_EQ(form->Edit2->Text(), "70");
    EXPECT_EQ(form->Edit5->Text(), "100");
    EXPECT_TRUE(ShownPixels(form->Image3).empty());
}

}  // namespace
