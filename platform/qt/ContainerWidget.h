#pragma once
// The widget of a form's client area, a tab sheet, a panel, the status bar or any other windowed
// control that has no widget of its own: a panel draws its bevels and caption, the status bar its
// text. The form's client area takes the form's size (the window around it is the form window's)
// and leaves dropped files to the form window.
#include "platform/qt/PaintedWidget.h"

class TQtContainerWidget : public TQtPaintedWidget {
public:
    using TQtPaintedWidget::TQtPaintedWidget;

protected:
    void ApplyBounds() override;
    void ApplyVisible() override;
    bool TakesDrops() const override { return !IsFormClient(); }
    void PaintBelowChildren(QPainter& painter) override;
    void PaintAboveChildren(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool IsFormClient() const;
};
