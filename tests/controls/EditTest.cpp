#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/TextLimit.h"

namespace {

class EditBoxes : public ::testing::Test {
protected:
    EditBoxes()
    {
        for (TEdit** edit : {&a, &b}) {
            *edit = new TEdit(&form);
            (*edit)->SetParent(&form);
            (*edit)->SetMaxLength(3);
        }
        a->SetName("A");
        b->SetName("B");
        a->OnChange = [this](TObject* sender) { log.push_back("A:" + static_cast<TEdit*>(sender)->Text()); };
        b->OnChange = [this](TObject* sender) { log.push_back("B:" + static_cast<TEdit*>(sender)->Text()); };
    }
    TForm form{nullptr};
    TEdit* a;
    TEdit* b;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(EditBoxes, ChangeRunsForEveryNewTextAndNeverForTheSameText)
{
    a->SetText("0");
    a->SetText("0");
    a->UserSetText("05");
    a->UserSetText("05");
    a->SetText("");
    EXPECT_EQ(log, (std::vector<std::string>{"A:0", "A:05", "A:"}));
}

TEST_F(EditBoxes, ChangeRunsSynchronouslyAndNests)
{
    // A's handler writes B, whose handler runs inside it, before A's handler goes on.
    a->OnChange = [this](TObject*) {
        log.push_back("A begins");
        b->SetText(a->Text() + "!");
        log.push_back("A ends");
    };
    a->SetText("7");
    EXPECT_EQ(log, (std::vector<std::string>{"A begins", "B:7!", "A ends"}));
    EXPECT_EQ(b->Text(), "7!");
}

TEST_F(EditBoxes, MaxLengthLimitsTypingButNotTheProgram)
{
    a->SetText("12345");
    EXPECT_EQ(a->Text(), "12345");
    // Deleting from an over-long text works; typing into it inserts nothing.
    EXPECT_EQ(a->UserSetText("1235"), "1235");
    EXPECT_EQ(a->UserSetText("12359"), "1235");
    a->SetText("12");
    EXPECT_EQ(a->UserSetText("1289"), "128");
    EXPECT_EQ(log.back(), "A:128");
}

TEST_F(EditBoxes, ReadOnlyAndDisabledBoxesRefuseTyping)
{
    a->SetReadOnly(true);
    EXPECT_EQ(a->UserSetText("9"), "");
    a->SetText("5");  // the program still writes it
    EXPECT_EQ(a->Text(), "5");
    b->SetEnabled(false);
    EXPECT_EQ(b->UserSetText("9"), "");
    EXPECT_EQ(log, (std::vector<std::string>{"A:5"}));
}

TEST(Edit, NoChangeWhileTheLayoutLoads)
{
    TForm form(nullptr);
    TEdit edit(nullptr);
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.SetState(TComponentStateFlag::csLoading, true);
    edit.SetText("0");
    edit.Loaded();
    EXPECT_EQ(changes, 0);
    edit.SetText("1");
    EXPECT_EQ(changes, 1);
}

TEST(TypingLimit, KeepsOnlyWhatFitsOfTheInsertedText)
{
    struct Case {
        const char* current;
        const char* typed;
        int limit;
        const char* expected;
    };
    const Case cases[] = {
        {"", "1", 3, "1"},
        {"12", "123", 3, "123"},
        {"123", "1234", 3, "123"},          // appended past the limit
        {"123", "1923", 3, "123"},          // inserted in the middle
        {"12", "12345", 3, "123"},          // a paste is cut to the room left
        {"12", "1345", 3, "134"},           // a paste over the selection "2"
        {"12345", "", 3, ""},               // deleting everything
        {"12345", "9", 3, "9"},             // replacing an over-long text entirely
        {"11", "111", 3, "111"},            // repeated characters
        {"あい", "あいう", 3, "あいう"},     // characters, not bytes, count
        {"あいう", "あいうえ", 3, "あいう"},
        {"あう", "あいう", 2, "あう"},       // inserted between multi-byte characters
        {"5", "abcdef", 0, "abcdef"},       // no limit
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyTypingLimit(c.current, c.typed, c.limit), c.expected)
            << "'" << c.current << "' -> '" << c.typed << "' limit " << c.limit;
}
