#include "platform/controls/Menus.h"

#include <algorithm>
#include <cctype>

#include "platform/core/Exceptions.h"

QUORVEL_DEFINE_CLASS_INFO(TMenuItem, TComponent)
QUORVEL_DEFINE_CLASS_INFO(TMainMenu, TComponent)

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner)
{
}

TMenuItem::~TMenuItem()
{
    SetState(TComponentStateFlag::csDestroying, true);
    while (!items_.empty())
        delete items_.back();  // its destructor takes it out of items_
    if (parent_ != nullptr)
        parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    Changed();
}

void TMenuItem::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Changed();
}

void TMenuItem::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Changed();
}

void TMenuItem::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item == nullptr)
        return;
    for (const TMenuItem* p = this; p != nullptr; p = p->parent_)
        if (p == item)
            throw EInvalidOperation(Messages::ControlParentSetToSelf);
    if (item->parent_ != nullptr)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item)
{
    if (item == nullptr || item->parent_ != this)
        return;
    std::erase(items_, item);
    item->parent_ = nullptr;
    Changed();
}

TMainMenu* TMenuItem::Menu() const
{
    const TMenuItem* root = this;
    while (root->parent_ != nullptr)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click()
{
    if (enabled_ && OnClick)
        OnClick(this);
}

void TMenuItem::Changed()
{
    if (Destroying())
        return;
    if (TMainMenu* menu = Menu())
        menu->ItemChanged(*this);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this))
{
    items_->menu_ = this;
}

TMainMenu::~TMainMenu()
{
    SetState(TComponentStateFlag::csDestroying, true);
    if (view_ != nullptr)
        view_->Destroyed(*this);
    items_->menu_ = nullptr;
}

void TMainMenu::ItemChanged(TMenuItem& item)
{
    if (view_ != nullptr && !Destroying())
        view_->Changed(item, TViewChange::Menu);
}

std::string StripHotkey(const std::string& caption)
{
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;  // "&x" shows x, "&&" shows "&"
        shown += caption[i];
    }
    return shown;
}

std::string GetHotkey(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto lead = static_cast<unsigned char>(caption[i + 1]);
        if (lead < 0x80)
            return std::string(1, static_cast<char>(std::toupper(lead)));
        std::size_t end = i + 2;
        while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80)
            ++end;
        return caption.substr(i + 1, end - i - 1);
    }
    return {};
}
