#include "platform/controls/WinControl.h"

#include <algorithm>

#include "platform/controls/Drop.h"

QUORVEL_DEFINE_CLASS_INFO(TWinControl, TControl)

TWinControl::TWinControl(TComponent* owner) : TControl(owner)
{
}

TWinControl::~TWinControl()
{
    SetState(TComponentStateFlag::csDestroying, true);
    // Leave the parent while still a window, so it drops this control from its tab list too.
    if (Parent() != nullptr)
        Parent()->RemoveControl(this);
    DestroyComponents();
    while (!controls_.empty())
        delete controls_.back();  // its destructor takes it out of controls_
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c != nullptr; c = c->Parent())
        if (c->Parent() == this)
            return true;
    return false;
}

int TWinControl::TabOrder() const
{
    const TWinControl* parent = Parent();
    if (parent == nullptr)
        return -1;
    if (parent->Loading() && requestedTabOrder_ >= 0)
        return requestedTabOrder_;
    const auto& list = parent->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    requestedTabOrder_ = value;
    TWinControl* parent = Parent();
    if (parent != nullptr && !parent->Loading())
        MoveInTabList(value);
}

void TWinControl::MoveInTabList(int index)
{
    TWinControl* parent = Parent();
    auto& list = parent->tabList_;
    std::erase(list, this);
    const int last = static_cast<int>(list.size());
    const int at = index < 0 || index > last ? last : index;
    list.insert(list.begin() + at, this);
    parent->NotifyView(TViewChange::Children);
}

void TWinControl::FixupTabList()
{
    // Children without a requested order keep their place relative to each other.
    std::vector<std::pair<int, TWinControl*>> order;
    for (std::size_t i = 0; i < tabList_.size(); ++i) {
        TWinControl* child = tabList_[i];
        order.emplace_back(child->requestedTabOrder_ >= 0 ? child->requestedTabOrder_ : static_cast<int>(i), child);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < order.size(); ++i)
        tabList_[i] = order[i].second;
}

void TWinControl::SetTabStop(bool value)
{
    tabStop_ = value;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const auto count = static_cast<std::ptrdiff_t>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    std::ptrdiff_t start = found == list.end() ? (forward ? count - 1 : 0) : found - list.begin();
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t i = ((start + (forward ? step : -step)) % count + count) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(i)];
        if (candidate != current && candidate->CanFocus() && (!checkTabStop || candidate->TabStop()))
            return candidate;
    }
    return nullptr;
}

bool TWinControl::CanFocus() const
{
    return VisibleInWindow() && EnabledInWindow();
}

void TWinControl::SetFocus()
{
    TopLevel()->DescendantFocused(this);
}

bool TWinControl::Focused() const
{
    const TWinControl* top = this;
    while (top->Parent() != nullptr)
        top = top->Parent();
    return top->FocusedDescendant() == this;
}

TWinControl* TWinControl::TopLevel()
{
    TWinControl* top = this;
    while (top->Parent() != nullptr)
        top = top->Parent();
    return top;
}

void TWinControl::SetAcceptsDroppedFiles(bool value)
{
    if (value == acceptFiles_)
        return;
    acceptFiles_ = value;
    NotifyView(TViewChange::AcceptFiles);
}

void TWinControl::DropFiles(const std::vector<std::string>& paths)
{
    if (!acceptFiles_ || paths.empty())
        return;
    TDropHandleScope drop(paths);
    TMessage message{WM_DROPFILES, drop.Handle(), 0, 0};
    Dispatch(message);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FixupTabList();
    NotifyView(TViewChange::Children);
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (std::size_t i = 0; i < controls_.size(); ++i)
        controls_[i]->ParentFontChanged();
}

void TWinControl::DescendantRemoved(TControl* control)
{
    if (capture_ == control)
        capture_ = nullptr;
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        tabList_.push_back(windowed);
        if (!Loading() && windowed->requestedTabOrder_ >= 0)
            windowed->MoveInTabList(windowed->requestedTabOrder_);
    }
    NotifyView(TViewChange::Children);
}

void TWinControl::RemoveControl(TControl* control)
{
    std::erase(controls_, control);
    std::erase_if(tabList_, [control](TWinControl* w) { return static_cast<TControl*>(w) == control; });
    control->parent_ = nullptr;
    for (TWinControl* w = this; w != nullptr; w = w->Parent())
        w->DescendantRemoved(control);
    NotifyView(TViewChange::Children);
}

void TWinControl::MoveInStack(TControl* control, bool toTop)
{
    std::erase(controls_, control);
    if (toTop)
        controls_.push_back(control);
    else
        controls_.insert(controls_.begin(), control);
    NotifyView(TViewChange::Children);
}
