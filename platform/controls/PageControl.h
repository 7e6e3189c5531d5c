#pragma once
// A page control: tab sheets stacked in one display area, of which only the active one is visible
// (the others are hidden, so their controls get neither paint nor mouse). Each sheet's bounds are
// the display area: the control's client area less the tab row and border margins, which the host
// sets from its own tab bar.
#include <functional>
#include <vector>

#include "platform/controls/WinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
    QUORVEL_CLASS_INFO(TTabSheet)
public:
    // Created hidden; it shows when it becomes the active page.
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Makes the sheet a page (the last) of pageControl, and a child of it.
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    void SetPageIndex(int value);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
    QUORVEL_CLASS_INFO(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    TTabSheet* ActivePage() const { return activePage_; }
    // Programmatic: no events. A sheet of another page control is ignored.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);  // out of range: no page active
    // The user picked a tab: OnChanging may refuse; after the change OnChange runs. True when the
    // page changed.
    bool SelectPage(int index);

    // Margins of the display area inside the control (left, top, right, bottom).
    TRect DisplayMargins() const { return margins_; }
    void SetDisplayMargins(const TRect& margins);
    TRect DisplayRect() const;
    void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void LayoutPages();

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    TRect margins_{4, 24, 4, 4};
};
