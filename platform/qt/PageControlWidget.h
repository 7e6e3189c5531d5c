#pragma once
// A page control: a tab bar over a framed display area in which the tab sheets' widgets lie. The
// model owns the active page: a tab the user picks is asked of the model (which may refuse), and
// the bar shows whatever page the model makes active. The display margins given to the model
// follow the tab bar's height.
#include <QTabBar>
#include <QWidget>

#include "platform/controls/PageControl.h"
#include "platform/qt/ControlWidget.h"
#include "platform/qt/GraphicChildren.h"

class TQtPageControlWidget : public QWidget, public TQtControlWidget {
public:
    TQtPageControlWidget(TQtFormWindow& window, TPageControl& pageControl, QWidget* parent);

    QWidget& Widget() override { return *this; }
    void Refresh() override;
    void ControlChanged(TViewChange change) override;
    void GraphicChildChanged(const TControl& child, TViewChange change) override;
    void GraphicChildGone(const TControl& child) override { graphics_.Forget(child); }
    void ChildrenChanged() override;

    QTabBar& TabBar() { return *tabBar_; }

protected:
    void ApplyLooks() override;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPageControl* PageControl() const { return static_cast<TPageControl*>(control_); }
    void ShowPages();
    void LayOut();
    void TabPicked(int index);

    QTabBar* tabBar_;
    TQtGraphicChildren graphics_;
    bool showingPages_ = false;  // the bar is being set from the model: its signals are not the user's
};
