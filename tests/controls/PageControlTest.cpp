#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingView.h"
#include "platform/controls/Form.h"
#include "platform/controls/PageControl.h"

namespace {

class Pages : public ::testing::Test {
protected:
    Pages()
    {
        pages = new TPageControl(&form);
        pages->SetParent(&form);
        pages->SetBounds(4, 1, 669, 577);
        for (const char* caption : {"輝度分析", "コントラスト分析"}) {
            auto* sheet = new TTabSheet(&form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            sheets.push_back(sheet);
        }
    }
    TForm form{nullptr};
    TPageControl* pages;
    std::vector<TTabSheet*> sheets;
};

}  // namespace

TEST_F(Pages, OnlyTheActivePageIsVisible)
{
    EXPECT_EQ(pages->ActivePage(), sheets[0]);  // the first page becomes active
    EXPECT_TRUE(sheets[0]->VisibleInWindow());
    EXPECT_FALSE(sheets[1]->VisibleInWindow());
    pages->SetActivePageIndex(1);
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_EQ(sheets[1]->PageIndex(), 1);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(Pages, SheetsFillTheDisplayArea)
{
    EXPECT_EQ(sheets[1]->BoundsRect(), Rect(4, 24, 665, 573));
    pages->SetDisplayMargins(Rect(2, 20, 2, 2));
    EXPECT_EQ(sheets[0]->BoundsRect(), Rect(2, 20, 667, 575));
    pages->SetWidth(100);
    EXPECT_EQ(sheets[0]->Width(), 96);
}

TEST_F(Pages, TheUsersChoiceMayBeRefused)
{
    std::vector<std::string> events;
    bool allow = false;
    pages->OnChanging = [&](TObject*, bool& allowChange) {
        events.push_back("changing");
        allowChange = allow;
    };
    pages->OnChange = [&](TObject*) { events.push_back("change"); };
    EXPECT_FALSE(pages->SelectPage(1));
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    allow = true;
    EXPECT_TRUE(pages->SelectPage(1));
    EXPECT_FALSE(pages->SelectPage(1));  // already there
    EXPECT_FALSE(pages->SelectPage(7));
    pages->SetActivePageIndex(0);        // the program's change: no events
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "changing", "change"}));
}

TEST_F(Pages, RemovingTheActivePageActivatesAnother)
{
    TRecordingView view;
    pages->SetView(&view);
    delete sheets[0];
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_GE(view.Count(pages, TViewChange::Page), 1);
    sheets[1]->SetCaption("new");
    EXPECT_GE(view.Count(pages, TViewChange::Page), 2);
    pages->SetView(nullptr);
}
