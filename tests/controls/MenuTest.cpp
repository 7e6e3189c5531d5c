#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingView.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menus.h"
#include "platform/core/Exceptions.h"

namespace {

class MenuBar : public ::testing::Test {
protected:
    MenuBar()
    {
        menu = new TMainMenu(&form);
        form.SetMenu(menu);
        file = Item("ファイル(&F)", menu->Items());
        open = Item("開く(&O)", file);
        separator = Item("-", file);
        exit = Item("終了(&X)", file);
        open->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
    }
    TMenuItem* Item(const char* caption, TMenuItem* parent)
    {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    TForm form{nullptr};
    TMainMenu* menu;
    TMenuItem *file, *open, *separator, *exit;
    std::vector<std::string> clicks;
};

}  // namespace

TEST_F(MenuBar, ClickRunsTheHandlerOfAnEnabledItem)
{
    open->Click();
    open->SetEnabled(false);
    open->Click();
    exit->Click();  // no handler: nothing happens
    EXPECT_EQ(clicks, (std::vector<std::string>{"開く(&O)"}));
}

TEST_F(MenuBar, TreeAndSeparators)
{
    ASSERT_EQ(menu->Items()->Count(), 1);
    EXPECT_EQ(file->Count(), 3);
    EXPECT_EQ(file->IndexOf(exit), 2);
    EXPECT_TRUE(separator->IsLine());
    EXPECT_FALSE(exit->IsLine());
    EXPECT_EQ(open->Menu(), menu);
    EXPECT_THROW(open->Add(file), EInvalidOperation);
}

TEST_F(MenuBar, FreeingAnItemFreesItsSubItemsAndTheMenuLeavesTheForm)
{
    delete file;
    EXPECT_EQ(menu->Items()->Count(), 0);
    EXPECT_EQ(form.ComponentCount(), 1);  // only the menu is left
    delete menu;
    EXPECT_EQ(form.Menu(), nullptr);
}

TEST_F(MenuBar, ChangesReachTheMenusView)
{
    TRecordingView view;
    menu->SetView(&view);
    open->SetCaption("開く(&P)");
    auto* extra = Item("追加", file);
    EXPECT_EQ(view.Count(open, TViewChange::Menu), 1);
    EXPECT_EQ(view.Count(file, TViewChange::Menu), 1);
    (void)extra;
    menu->SetView(nullptr);
}

TEST(Hotkeys, MnemonicsAreStrippedAndFound)
{
    struct Case {
        const char* caption;
        const char* shown;
        const char* hotkey;
    };
    const Case cases[] = {
        {"開く(&O)", "開く(O)", "O"},
        {"&file", "file", "F"},
        {"A&&B", "A&B", ""},
        {"&&&x", "&x", "X"},
        {"&表示", "表示", "表"},
        {"-", "-", ""},
        {"trailing&", "trailing&", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StripHotkey(c.caption), c.shown) << c.caption;
        EXPECT_EQ(GetHotkey(c.caption), c.hotkey) << c.caption;
    }
}
