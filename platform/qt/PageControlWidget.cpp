#include "platform/qt/PageControlWidget.h"

#include <algorithm>

#include <QStyleOptionTabWidgetFrame>

#include "platform/controls/Application.h"
#include "platform/controls/HostInput.h"
#include "platform/qt/QtConvert.h"

namespace {

// Space between the display area and the control's edges, as the original control leaves it.
constexpr int SideMargin = 4;
// Gap between the tab row and the top of the display area.
constexpr int TopGap = 4;

}  // namespace

TQtPageControlWidget::TQtPageControlWidget(TQtFormWindow& window, TPageControl& pageControl, QWidget* parent)
    : TQtPaintedWidget(window, pageControl, parent), tabBar_(new QTabBar(this))
{
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(true);
    tabBar_->setFocusPolicy(pageControl.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) { TabPicked(index); });
}

void TQtPageControlWidget::Refresh()
{
    TQtPaintedWidget::Refresh();
    ShowPages();
    LayOut();
}

void TQtPageControlWidget::ControlChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Page:
    case TViewChange::Text:
        ShowPages();
        break;
    case TViewChange::Bounds:
        TQtPaintedWidget::ControlChanged(change);
        LayOut();
        break;
    default:
        TQtPaintedWidget::ControlChanged(change);
        break;
    }
}

void TQtPageControlWidget::ChildrenChanged()
{
    TQtPaintedWidget::ChildrenChanged();
    tabBar_->raise();
}

void TQtPageControlWidget::ApplyLooks()
{
    TQtPaintedWidget::ApplyLooks();
    tabBar_->setFont(ToQFont(control_->Font()));
    LayOut();
}

void TQtPageControlWidget::ShowPages()
{
    TPageControl& pages = *PageControl();
    showingPages_ = true;
    while (tabBar_->count() > pages.PageCount())
        tabBar_->removeTab(tabBar_->count() - 1);
    for (int i = 0; i < pages.PageCount(); ++i) {
        const QString caption = ToQString(pages.Pages(i)->Caption());
        if (i < tabBar_->count())
            tabBar_->setTabText(i, caption);
        else
            tabBar_->addTab(caption);
        tabBar_->setTabVisible(i, pages.Pages(i)->TabVisible());
    }
    const int active = pages.ActivePageIndex();
    if (active >= 0)
        tabBar_->setCurrentIndex(active);
    showingPages_ = false;
}

void TQtPageControlWidget::LayOut()
{
    if (control_ == nullptr)
        return;
    const int tabHeight = tabBar_->sizeHint().height();
    tabBar_->setGeometry(0, 0, std::max(0, width()), tabHeight);
    tabBar_->raise();
    const TRect margins = Rect(SideMargin, tabHeight + TopGap, SideMargin, SideMargin);
    if (PageControl()->DisplayMargins() == margins)
        return;
    TPageControl* pages = PageControl();
    Application->Guard([&] { pages->SetDisplayMargins(margins); });
}

void TQtPageControlWidget::TabPicked(int index)
{
    if (showingPages_ || control_ == nullptr)
        return;
    HostSelectPage(*PageControl(), index);
    if (control_ != nullptr)
        ShowPages();  // the model may have refused: show the page it holds
}

void TQtPageControlWidget::PaintBelowChildren(QPainter& painter)
{
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = tabBar_->height() - 1;
    frame.rect = QRect(0, top, width(), height() - top);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabBar_->size();
    frame.tabBarRect = tabBar_->geometry();
    frame.lineWidth = 1;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TQtPageControlWidget::resizeEvent(QResizeEvent* event)
{
    TQtPaintedWidget::resizeEvent(event);
    LayOut();
}
