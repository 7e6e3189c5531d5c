#pragma once
// Menus. A main menu holds a root item whose sub-items are the menu bar's entries; an item frees its
// sub-items with itself. Captions carry "&" before the mnemonic letter ("&&" is a literal "&"), and
// the caption "-" makes a separator. The host builds its menu bar from the tree, attaches a view to
// the main menu to hear of changes, and calls Click when the user chooses an item.
#include <string>
#include <vector>

#include "platform/controls/Component.h"
#include "platform/controls/View.h"

class TMainMenu;

class TMenuItem : public TComponent {
    QUORVEL_CLASS_INFO(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool IsLine() const { return caption_ == "-"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // Takes the item from its previous parent; an item can't hold itself or one of its parents.
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // The main menu the item belongs to; nullptr when it belongs to none.
    TMainMenu* Menu() const;

    TNotifyEvent OnClick;
    // The user chose the item: runs OnClick when the item is enabled.
    virtual void Click();

private:
    friend class TMainMenu;
    void Changed();

    std::string caption_;
    std::string hint_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    TMenuItem* parent_ = nullptr;
    TMainMenu* menu_ = nullptr;  // set on the root item only
    std::vector<TMenuItem*> items_;
};

class TMainMenu : public TComponent {
    QUORVEL_CLASS_INFO(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    TMenuItem* Items() const { return items_; }

    IControlView* View() const { return view_; }
    void SetView(IControlView* view) { view_ = view; }

private:
    friend class TMenuItem;
    void ItemChanged(TMenuItem& item);

    TMenuItem* items_;  // owned through the component list
    IControlView* view_ = nullptr;
};

// The caption as shown, without mnemonic marks: "開く(&O)" -> "開く(O)", "A&&B" -> "A&B".
std::string StripHotkey(const std::string& caption);
// The mnemonic character (UTF-8) after a single "&", upper-cased when ASCII; empty when none.
std::string GetHotkey(const std::string& caption);
