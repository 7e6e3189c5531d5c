#pragma once
// The widget of a windowed control that Qt has no own widget for: a form's client area, a tab
// sheet, a panel, the status bar. It paints its background, its frame or text, and its controls
// without a window; it hands raw mouse input, tooltips and file drops to the control.
#include <QWidget>

#include "platform/qt/ControlWidget.h"
#include "platform/qt/GraphicChildren.h"

class TQtContainerWidget : public QWidget, public TQtControlWidget {
public:
    TQtContainerWidget(TQtFormWindow& window, TWinControl& control, QWidget* parent);

    QWidget& Widget() override { return *this; }
    void ControlChanged(TViewChange change) override;
    void GraphicChildChanged(const TControl& child, TViewChange change) override;
    void GraphicChildGone(const TControl& child) override { graphics_.Forget(child); }
    void ChildrenChanged() override;

protected:
    void ApplyBounds() override;
    void ApplyVisible() override;
    void ApplyLooks() override;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool IsFormClient() const;

    TQtGraphicChildren graphics_;
};
