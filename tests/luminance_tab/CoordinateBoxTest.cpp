// The coordinate boxes: typing a column or row, and stepping it with the up-downs.
#include "tests/luminance_tab/LuminanceTabFixture.h"

namespace {

class CoordinateBoxTest : public LuminanceTabFixture {
protected:
    void SetUp() override { LoadSolid(320, 240, Grey(100)); }
};

struct TypedCase {
    const char* typed;
    int index;           // the column or row profiled
    const char* shown;   // the box afterwards: the profile writes the number back
    friend std::ostream& operator<<(std::ostream& out, const TypedCase& c) { return out << '"' << c.typed << '"'; }
};

class TypedColumnTest : public CoordinateBoxTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedColumnTest, DrawsTheVerticalProfileOfTheNumber)
{
    const TypedCase& c = GetParam();
    Type(form->Edit1, c.typed);
    EXPECT_EQ(ShownPixels(form->Image5), Column(c.index, 0, 240));
    EXPECT_EQ(LinePixels(form->Image4), FlatVerticalGraph(100));
    EXPECT_EQ(form->Edit1->Text(), c.shown);
    EXPECT_EQ(form->Edit6->Text(), "100");
    EXPECT_EQ(form->Edit8->Text(), "100");
    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedColumnTest,
                         ::testing::Values(TypedCase{"5", 5, "5"}, TypedCase{"319", 319, "319"},
                                           TypedCase{"00", 0, "0"},  // not "0": column 0 is drawn
                                           TypedCase{"007", 7, "7"}, TypedCase{" 12", 12, "12"},
                                           TypedCase{"$1F", 31, "31"}, TypedCase{"x10", 16, "16"},
                                           TypedCase{"+9", 9, "9"}));

TEST_F(CoordinateBoxTest, TypedRowDrawsTheHorizontalProfile)
{
    Type(form->Edit2, "239");
    EXPECT_EQ(ShownPixels(form->Image3), Row(239, 0, 320));
    EXPECT_EQ(LinePixels(form->Image2), FlatHorizontalGraph(100));
    EXPECT_EQ(form->Edit5->Text(), "100");
    EXPECT_EQ(form->Edit7->Text(), "100");
    Type(form->Edit2, "00");
    EXPECT_EQ(ShownPixels(form->Image3), Row(0, 0, 320));
    EXPECT_EQ(form->Edit2->Text(), "0");
}

TEST_F(CoordinateBoxTest, ZeroAndEmptyTextChangeNothing)
{
    Type(form->Edit1, "30");
    Type(form->Edit2, "40");
    for (const char* text : {"0", "", "0"}) {
        Type(form->Edit1, text);
        Type(form->Edit2, text);
        EXPECT_EQ(ShownPixels(form->Image5), Column(30, 0, 240)) << '"' << text << '"';
        EXPECT_EQ(ShownPixels(form->Image3), Row(40, 0, 320)) << '"' << text << '"';
    }
    EXPECT_EQ(LinePixels(form->Image4), FlatVerticalGraph(100));
    EXPECT_EQ(LinePixels(form->Image2), FlatHorizontalGraph(100));
}

TEST_F(CoordinateBoxTest, SteppingDrawsEachNumberButZero)
{
    form->UpDown1->Click(TUDBtnType::btNext);
    EXPECT_EQ(form->Edit1->Text(), "1");
    EXPECT_EQ(ShownPixels(form->Image5), Column(1, 0, 240));
    form->UpDown1->Click(TUDBtnType::btPrev);
    EXPECT_EQ(form->Edit1->Text(), "0");
    EXPECT_EQ(ShownPixels(form->Image5), Column(1, 0, 240));

    form->UpDown2->Click(TUDBtnType::btNext);
    form->UpDown2->Click(TUDBtnType::btNext);
    EXPECT_EQ(form->Edit2->Text(), "2");
    EXPECT_EQ(ShownPixels(form->Image3), Row(2, 0, 320));
}

TEST_F(CoordinateBoxTest, SteppingPastTheLastColumnOrRowClearsTheScanLineOnly)
{
    Type(form->Edit1, "319");
    Type(form->Edit2, "239");
    Type(form->Edit6, "u");  // marks that show whether the extremes are written again
    Type(form->Edit7, "u");
    const TPixelSet verticalGraph = LinePixels(form->Image4), horizontalGraph = LinePixels(form->Image2);

    form->UpDown1->Click(TUDBtnType::btNext);
    form->UpDown2->Click(TUDBtnType::btNext);
    EXPECT_EQ(form->Edit1->Text(), "320");
    EXPECT_EQ(form->Edit2->Text(), "240");
    EXPECT_TRUE(IsEmptySlot(form->Image5));
    EXPECT_TRUE(IsEmptySlot(form->Image3));
    EXPECT_EQ(LinePixels(form->Image4), verticalGraph);
    EXPECT_EQ(LinePixels(form->Image2), horizontalGraph);
    EXPECT_EQ(form->Edit6->Text(), "u");
    EXPECT_EQ(form->Edit7->Text(), "u");

    form->UpDown1->Click(TUDBtnType::btNext);  // the up-downs stop at 320 and 240
    form->UpDown2->Click(TUDBtnType::btNext);
    EXPECT_EQ(form->Edit1->Text(), "320");
    EXPECT_EQ(form->Edit2->Text(), "240");
}

TEST_F(CoordinateBoxTest, TypingKeepsTheGraphMarkersAndValues)
{
    Type(form->Edit1, "10");
    Type(form->Edit2, "10");
    Click(form->Image6, TMouseButton::mbLeft, 20, 5);
    Click(form->Image7, TMouseButton::mbLeft, 5, 20);

    Type(form->Edit1, "50");
    Type(form->Edit2, "60");

    EXPECT_EQ(ShownPixels(form->Image6), Column(20, 0, 210));
    EXPECT_EQ(ShownPixels(form->Image7), Row(20, 0, 210));
    EXPECT_EQ(form->Edit3->Text(), "100");
    EXPECT_EQ(form->Edit4->Text(), "100");
}

struct RejectedCase {
    bool column;
    const char* typed;
    const char* message;
    friend std::ostream& operator<<(std::ostream& out, const RejectedCase& c)
    {
        return out << (c.column ? "Edit1 " : "Edit2 ") << '"' << c.typed << '"';
    }
};

class RejectedTextTest : public CoordinateBoxTest, public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(RejectedTextTest, ShowsTheConversionErrorAfterClearingTheScanLine)
{
    const RejectedCase& c = GetParam();
    Type(form->Edit1, "30");
    Type(form->Edit2, "40");
    const TPixelSet verticalGraph = LinePixels(form->Image4), horizontalGraph = LinePixels(form->Image2);

    Guarded([&] { Type(c.column ? form->Edit1 : form->Edit2, c.typed); });

    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{c.message});
    EXPECT_TRUE(IsEmptySlot(c.column ? form->Image5 : form->Image3));
    EXPECT_FALSE(IsEmptySlot(c.column ? form->Image3 : form->Image5));
    EXPECT_EQ(LinePixels(form->Image4), verticalGraph);
    EXPECT_EQ(LinePixels(form->Image2), horizontalGraph);
    EXPECT_EQ((c.column ? form->Edit1 : form->Edit2)->Text(), c.typed);
    EXPECT_EQ(form->Edit5->Text(), "100");
    EXPECT_EQ(form->Edit6->Text(), "100");
}

INSTANTIATE_TEST_SUITE_P(Texts, RejectedTextTest,
                         ::testing::Values(RejectedCase{true, "a", "'a' は整数ではありません"},
                                           RejectedCase{true, "-", "'-' は整数ではありません"},
                                           RejectedCase{false, "1a", "'1a' は整数ではありません"},
                                           RejectedCase{false, "$", "'$' は整数ではありません"}));

}  // namespace
