#include "platform/controls/PageControl.h"

#include <algorithm>

QUORVEL_DEFINE_CLASS_INFO(TTabSheet, TWinControl)
QUORVEL_DEFINE_CLASS_INFO(TPageControl, TWinControl)

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    SetState(TComponentStateFlag::csDestroying, true);
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl)
{
    if (pageControl == pageControl_)
        return;
    if (pageControl_ != nullptr)
        pageControl_->RemovePage(this);
    SetParent(pageControl);
    if (pageControl != nullptr)
        pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (pageControl_ == nullptr)
        return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (pageControl_ != nullptr)
        pageControl_->MovePage(this, value);
}

void TTabSheet::SetTabVisible(bool value)
{
    if (value == tabVisible_)
        return;
    tabVisible_ = value;
    if (pageControl_ != nullptr)
        pageControl_->NotifyView(TViewChange::Page);
}

void TTabSheet::TextChanged()
{
    TWinControl::TextChanged();
    if (pageControl_ != nullptr)
        pageControl_->NotifyView(TViewChange::Page);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
}

TPageControl::~TPageControl()
{
    SetState(TComponentStateFlag::csDestroying, true);
    // The sheets stay children, so the window frees any its owner has not freed already.
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page == activePage_ || (page != nullptr && page->pageControl_ != this))
        return;
    TTabSheet* previous = activePage_;
    activePage_ = page;
    if (page != nullptr) {
        page->BringToFront();
        page->SetVisible(true);
    }
    if (previous != nullptr)
        previous->SetVisible(false);
    NotifyView(TViewChange::Page);
}

int TPageControl::ActivePageIndex() const
{
    return activePage_ == nullptr ? -1 : activePage_->PageIndex();
}

void TPageControl::SetActivePageIndex(int index)
{
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr);
}

bool TPageControl::SelectPage(int index)
{
    if (index < 0 || index >= PageCount() || pages_[static_cast<std::size_t>(index)] == activePage_)
        return false;
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return false;
    SetActivePageIndex(index);
    if (OnChange)
        OnChange(this);
    return true;
}

void TPageControl::SetDisplayMargins(const TRect& margins)
{
    if (margins == margins_)
        return;
    margins_ = margins;
    LayoutPages();
    NotifyView(TViewChange::Bounds);
}

TRect TPageControl::DisplayRect() const
{
    return Rect(margins_.Left, margins_.Top, std::max(margins_.Left, Width() - margins_.Right),
                std::max(margins_.Top, Height() - margins_.Bottom));
}

void TPageControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    TWinControl::SetBounds(left, top, width, height);
    LayoutPages();
}

void TPageControl::InsertPage(TTabSheet* page)
{
    pages_.push_back(page);
    page->pageControl_ = this;
    const TRect display = DisplayRect();
    page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
    if (activePage_ == nullptr)
        SetActivePage(page);
    else
        page->SetVisible(false);
    NotifyView(TViewChange::Page);
}

void TPageControl::RemovePage(TTabSheet* page)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    const auto index = it - pages_.begin();
    pages_.erase(it);
    page->pageControl_ = nullptr;
    if (page == activePage_) {
        activePage_ = nullptr;
        if (!pages_.empty() && !Destroying())
            SetActivePage(pages_[static_cast<std::size_t>(std::min<std::ptrdiff_t>(index, PageCount() - 1))]);
    }
    NotifyView(TViewChange::Page);
}

void TPageControl::MovePage(TTabSheet* page, int index)
{
    std::erase(pages_, page);
    index = std::clamp(index, 0, PageCount());
    pages_.insert(pages_.begin() + index, page);
    NotifyView(TViewChange::Page);
}

void TPageControl::LayoutPages()
{
    const TRect display = DisplayRect();
    for (TTabSheet* page : pages_)
        page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
}
