#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/UpDown.h"

namespace {

// A coordinate box with its up-down, as the luminance tab has them: 0 to 320, no wrap.
class CoordinateBox : public ::testing::Test {
protected:
    CoordinateBox()
    {
        edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetMaxLength(3);
        edit->SetText("0");
        upDown = new TUpDown(&form);
        upDown->SetParent(&form);
        upDown->SetMax(320);
        upDown->SetAssociate(edit);
        edit->OnChange = [this](TObject*) { changes.push_back(edit->Text()); };
    }
    void Step(TUDBtnType button, int times)
    {
        for (int i = 0; i < times; ++i)
            upDown->Click(button);
    }
    TForm form{nullptr};
    TEdit* edit;
    TUpDown* upDown;
    std::vector<std::string> changes;
};

}  // namespace

TEST_F(CoordinateBox, StepsWriteThePositionIntoTheBox)
{
    Step(TUDBtnType::btNext, 2);
    Step(TUDBtnType::btPrev, 1);
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "2", "1"}));
    EXPECT_EQ(upDown->Position(), 1);
}

TEST_F(CoordinateBox, StopsAtBothEndsWithoutWrapping)
{
    Step(TUDBtnType::btPrev, 1);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(edit->Text(), "0");
    upDown->SetPosition(319);
    changes.clear();
    Step(TUDBtnType::btNext, 3);
    EXPECT_EQ(changes, (std::vector<std::string>{"320"}));  // reaches 320, then stays
}

TEST_F(CoordinateBox, WrapsRoundWhenAsked)
{
    upDown->SetWrap(true);
    Step(TUDBtnType::btPrev, 1);
    EXPECT_EQ(edit->Text(), "320");
    Step(TUDBtnType::btNext, 1);
    EXPECT_EQ(edit->Text(), "0");
}

TEST_F(CoordinateBox, StepsFromTheNumberInTheBox)
{
    struct Case {
        const char* typed;  // the box's text before the step (the position is 5)
        const char* after;  // the box's text after one step up
    };
    const Case cases[] = {
        {"100", "101"},  // typed or written by a handler: stepping goes on from it
        {" 42", "43"},
        {"+7", "8"},
        {"", "1"},       // an empty box reads as 0
        {"abc", "6"},    // not a number: the up-down keeps its own position
        {"12x", "6"},
        {"-3", "6"},     // out of range: kept
        {"999", "6"},
        {"0x10", "6"},   // decimal only
        {"320", "320"},  // at the end: nothing to write, the text stays
    };
    for (const Case& c : cases) {
        upDown->SetPosition(5);
        edit->SetText(c.typed);
        upDown->Click(TUDBtnType::btNext);
        EXPECT_EQ(edit->Text(), c.after) << "box held '" << c.typed << "'";
    }
}

TEST_F(CoordinateBox, ArrowKeysInTheBoxStepIt)
{
    EXPECT_TRUE(edit->KeyDown(VK_UP, {}));
    EXPECT_TRUE(edit->KeyDown(VK_UP, {}));
    EXPECT_TRUE(edit->KeyDown(VK_DOWN, {}));
    EXPECT_FALSE(edit->KeyDown(VK_LEFT, {}));
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "2", "1"}));
    edit->OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) { key = 0; };
    EXPECT_FALSE(edit->KeyDown(VK_UP, {}));
    EXPECT_EQ(edit->Text(), "1");
}

TEST_F(CoordinateBox, ProgramSetPositionIsClampedAndWritten)
{
    upDown->SetPosition(500);
    EXPECT_EQ(edit->Text(), "320");
    upDown->SetPosition(-1);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(changes, (std::vector<std::string>{"320", "0"}));
}

TEST_F(CoordinateBox, ChangingMayBeRefusedAndClickFollows)
{
    std::vector<std::string> events;
    upDown->OnChanging = [&](TObject*, bool& allow) {
        events.push_back("changing");
        allow = false;
    };
    upDown->OnClick = [&](TObject*, TUDBtnType button) {
        events.push_back(button == TUDBtnType::btNext ? "next" : "prev");
    };
    upDown->Click(TUDBtnType::btNext);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "next"}));
    EXPECT_EQ(edit->Text(), "0");
}

TEST(UpDown, LargeNumbersCarryThousandsSeparatorsBothWays)
{
    TEdit edit(nullptr);
    TUpDown upDown(nullptr);
    upDown.SetMax(5000);
    upDown.SetAssociate(&edit);
    upDown.SetPosition(1234);
    EXPECT_EQ(edit.Text(), "1,234");
    upDown.Click(TUDBtnType::btNext);
    EXPECT_EQ(edit.Text(), "1,235");
    upDown.SetThousands(false);
    upDown.Click(TUDBtnType::btNext);
    EXPECT_EQ(edit.Text(), "1236");
}

TEST(UpDown, ABoxBelongsToOneUpDown)
{
    TEdit edit(nullptr);
    TUpDown first(nullptr), second(nullptr);
    first.SetAssociate(&edit);
    second.SetAssociate(&edit);
    EXPECT_EQ(first.Associate(), nullptr);
    EXPECT_EQ(edit.UpDown(), &second);
}
