#pragma once
// A page control: a tab bar over a framed display area in which the tab sheets' widgets lie. The
// model owns the active page: a tab the user picks is asked of the model (which may refuse), and
// the bar shows whatever page the model makes active. The display margins given to the model
// follow the tab bar's height.
#include <QTabBar>

#include "platform/controls/PageControl.h"
#include "platform/qt/PaintedWidget.h"

class TQtPageControlWidget : public TQtPaintedWidget {
public:
    TQtPageControlWidget(TQtFormWindow& window, TPageControl& pageControl, QWidget* parent);

    void Refresh() override;
    void ControlChanged(TViewChange change) override;
    void ChildrenChanged() override;

    QTabBar& TabBar() { return *tabBar_; }

protected:
    void ApplyLooks() override;
    void PaintBelowChildren(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TPageControl* PageControl() const { return static_cast<TPageControl*>(control_); }
    void ShowPages();
    void LayOut();
    void TabPicked(int index);

    QTabBar* tabBar_;
    bool showingPages_ = false;  // the bar is being set from the model: its signals are not the user's
};
