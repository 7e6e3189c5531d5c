#pragma once
// The widget of a windowed control that has no Qt widget of its own (a form's client area, a tab
// sheet, a panel, the status bar, a page control's frame). It paints the control's colour, its
// own decorations and its controls without a window; it hands raw mouse input, tooltips and the
// files dropped on it to the control.
#include <QPainter>

#include "platform/qt/ControlWidget.h"
#include "platform/qt/GraphicChildren.h"

class TQtPaintedWidget : public TQtWindowedWidget<QWidget> {
public:
    TQtPaintedWidget(TQtFormWindow& window, TWinControl& control, QWidget* parent);

    void ControlChanged(TViewChange change) override;
    void GraphicChildChanged(const TControl& child, TViewChange change) override;
    void GraphicChildGone(const TControl& child) override { graphics_.Forget(child); }
    void ChildrenChanged() override;

protected:
    void ApplyLooks() override;
    // Whether files dropped on the widget go to its control (while it accepts them).
    virtual bool TakesDrops() const { return true; }
    // What the control draws over its background beneath its graphic children (a frame), and
    // above them (a text), in the widget's coordinates.
    virtual void PaintBelowChildren(QPainter& painter) { (void)painter; }
    virtual void PaintAboveChildren(QPainter& painter) { (void)painter; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { Forward(*event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { Forward(*event); }
    void mouseMoveEvent(QMouseEvent* event) override { Forward(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override { Forward(*event); }
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Forward(QMouseEvent& event);

    TQtGraphicChildren graphics_;
};
