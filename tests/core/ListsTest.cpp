#include <gtest/gtest.h>

#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Lists.h"

namespace {

int items[6];

std::vector<int> Order(const TList& list)
{
    std::vector<int> order;
    for (int i = 0; i < list.Count(); ++i)
        order.push_back(static_cast<int>(static_cast<int*>(list[i]) - items));
    return order;
}

TList ListOf(int count)
{
    TList list;
    for (int i = 0; i < count; ++i)
        list.Add(&items[i]);
    return list;
}

TEST(TList, EditsKeepTheOrderExpected)
{
    TList list = ListOf(4);
    list.Insert(0, &items[4]);
    list.Insert(list.Count(), &items[5]);  // at the end
    EXPECT_EQ(Order(list), (std::vector<int>{4, 0, 1, 2, 3, 5}));
    list.Move(0, 3);
    EXPECT_EQ(Order(list), (std::vector<int>{0, 1, 2, 4, 3, 5}));
    list.Move(5, 0);
    EXPECT_EQ(Order(list), (std::vector<int>{5, 0, 1, 2, 4, 3}));
    list.Exchange(0, 5);
    list.Delete(1);
    EXPECT_EQ(Order(list), (std::vector<int>{3, 1, 2, 4, 5}));
    EXPECT_EQ(list.Remove(&items[2]), 2);
    EXPECT_EQ(list.Remove(&items[2]), -1);
    EXPECT_EQ(list.IndexOf(&items[4]), 2);
    EXPECT_EQ(list.First(), &items[3]);
    EXPECT_EQ(list.Last(), &items[5]);
    list.Put(0, nullptr);
    EXPECT_EQ(list.Get(0), nullptr);
}

TEST(TList, BadIndicesRaiseAndChangeNothing)
{
    TList list = ListOf(3);
    try {
        list.Get(3);
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message, "リストのインデックスが範囲を超えています (3)");
    }
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Put(3, nullptr), EListError);
    EXPECT_THROW(list.Insert(4, nullptr), EListError);
    EXPECT_THROW(list.Insert(-1, nullptr), EListError);
    EXPECT_THROW(list.Delete(3), EListError);
    EXPECT_THROW(list.Move(0, 3), EListError);
    EXPECT_THROW(list.Move(3, 0), EListError);
    EXPECT_THROW(list.Exchange(0, 3), EListError);
    EXPECT_EQ(Order(list), (std::vector<int>{0, 1, 2}));
    EXPECT_THROW(TList().First(), EListError);
    EXPECT_THROW(TList().Last(), EListError);
}

std::vector<std::string> Entries(const TStringList& list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list[i]);
    return entries;
}

using Texts = std::vector<std::string>;

TEST(TStringList, UnsortedListKeepsInsertionOrderAndFindsCaseInsensitively)
{
    TStringList list;
    list.Add("b.SPI");
    list.AddObject("a.spi", &items[0]);
    list.Add("B.spi");
    list.Insert(0, "c");
    EXPECT_EQ(Entries(list), (Texts{"c", "b.SPI", "a.spi", "B.spi"}));
    EXPECT_EQ(list.IndexOf("B.SPI"), 1);
    EXPECT_EQ(list.IndexOf("missing"), -1);
    EXPECT_EQ(list.IndexOfObject(&items[0]), 2);
    EXPECT_EQ(list.Objects(2), &items[0]);
    list.CaseSensitive = true;
    EXPECT_EQ(list.IndexOf("B.spi"), 3);
    EXPECT_EQ(list.IndexOf("B.SPI"), -1);
    list.Move(3, 0);
    list.Exchange(1, 2);
    list.SetString(3, "z");
    list.Delete(2);
    EXPECT_EQ(Entries(list), (Texts{"B.spi", "b.SPI", "z"}));
    EXPECT_THROW(list.Strings(3), EListError);
    EXPECT_THROW(list.SetObject(-1, nullptr), EListError);
}

TEST(TStringList, SortedListKeepsOrderAndHandlesDuplicates)
{
    TStringList list;
    list.Sorted = true;
    EXPECT_EQ(list.Add("m"), 0);
    EXPECT_EQ(list.Add("B"), 0);
    EXPECT_EQ(list.Add("z"), 2);
    EXPECT_EQ(list.Add("_"), 3);  // after the letters, which compare as upper case
    EXPECT_EQ(list.Add("b"), 0);  // dupIgnore: the index of the entry already there
    EXPECT_EQ(Entries(list), (Texts{"B", "m", "z", "_"}));

    int index = -1;
    EXPECT_TRUE(list.Find("M", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("n", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf("Z"), 2);

    list.Duplicates = TDuplicates::dupAccept;
    EXPECT_EQ(list.Add("M"), 1);
    EXPECT_EQ(Entries(list), (Texts{"B", "M", "m", "z", "_"}));

    list.Duplicates = TDuplicates::dupError;
    EXPECT_THROW(list.Add("z"), EListError);
    EXPECT_THROW(list.Insert(0, "a"), EListError);
    EXPECT_THROW(list.SetString(0, "a"), EListError);
    EXPECT_THROW(list.Move(0, 1), EListError);
    EXPECT_EQ(Entries(list), (Texts{"B", "M", "m", "z", "_"}));
}

TEST(TStringList, SwitchingToSortedSortsBeforeTheNextAdd)
{
    TStringList list;
    list.SetCommaText("d,b,a");
    list.Sorted = true;
    list.Add("c");
    EXPECT_EQ(Entries(list), (Texts{"a", "b", "c", "d"}));
}

TEST(TStringList, Sort)
{
    TStringList list;
    list.SetCommaText("b,A,a,C");
    list.Sort();
    EXPECT_EQ(Entries(list), (Texts{"A", "a", "b", "C"}));  // stable among equal texts
    list.CaseSensitive = true;
    list.Sort();
    EXPECT_EQ(Entries(list), (Texts{"A", "C", "a", "b"}));
}

TEST(TStringList, Text)
{
    TStringList list;
    list.SetText("one\r\ntwo\nthree\rfour\n\nsix");
    EXPECT_EQ(Entries(list), (Texts{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(list.Text(), "one\ntwo\nthree\nfour\n\nsix\n");
    list.SetText("a\n");
    EXPECT_EQ(Entries(list), (Texts{"a"}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(TStringList, CommaTextQuotesWhatNeedsIt)
{
    TStringList list;
    list.SetCommaText(R"(plain, "with blank" ,"say ""hi""",,"a,b" two words,"")");
    EXPECT_EQ(Entries(list), (Texts{"plain", "with blank", "say \"hi\"", "", "a,b", "two", "words", ""}));
    EXPECT_EQ(list.CommaText(), R"(plain,"with blank","say ""hi""",,"a,b",two,words,)");

    list.SetCommaText("a,");
    EXPECT_EQ(Entries(list), (Texts{"a", ""}));
    list.SetCommaText("  ");
    EXPECT_EQ(list.Count(), 0);
    list.SetCommaText(R"("unclosed, rest)");
    EXPECT_EQ(Entries(list), (Texts{"unclosed, rest"}));
    list.SetCommaText(R"("")");
    EXPECT_EQ(Entries(list), (Texts{""}));
    EXPECT_EQ(list.CommaText(), R"("")");
}

TEST(TStringList, RefusedDuplicateWhileAssigningKeepsTheOldEntries)
{
    TStringList list;
    list.Sorted = true;
    list.Duplicates = TDuplicates::dupError;
    list.SetCommaText("x,y");
    EXPECT_THROW(list.SetCommaText("a,b,A"), EListError);
    EXPECT_THROW(list.SetText("a\nA\n"), EListError);
    EXPECT_EQ(Entries(list), (Texts{"x", "y"}));
}

}  // namespace
