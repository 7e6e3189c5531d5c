#pragma once
// The Qt side of one windowed control. Each widget class derives from TQtWindowedWidget, which
// joins a Qt widget class with this one; the form window keeps them in a map from control to widget
// and hands them the model's change reports. After the control is freed the widget is detached: it
// forgets the control, hides, and is deleted later.
#include <QEvent>
#include <QHelpEvent>
#include <QWidget>

#include "platform/controls/View.h"
#include "platform/controls/WinControl.h"
#include "platform/qt/MouseInput.h"

class TQtFormWindow;

class TQtControlWidget {
public:
    TQtControlWidget(TQtFormWindow& window, TWinControl& control) : window_(window), control_(&control) {}
    virtual ~TQtControlWidget();
    TQtControlWidget(const TQtControlWidget&) = delete;
    TQtControlWidget& operator=(const TQtControlWidget&) = delete;

    // The widget itself; the widgets of the control's windowed children live in it.
    virtual QWidget& Widget() = 0;
    // nullptr once the control has been freed.
    TWinControl* Control() const { return control_; }

    // Reads the control's whole state: after creation and after moving to another parent widget.
    virtual void Refresh();
    // The control reported a change of its own.
    virtual void ControlChanged(TViewChange change);
    // A child without a window reported a change (the widget paints it).
    virtual void GraphicChildChanged(const TControl& child, TViewChange change) { (void)child; (void)change; }
    // A graphic child is being freed.
    virtual void GraphicChildGone(const TControl& child) { (void)child; }
    // The children were added, removed or restacked (after the window has synchronised widgets).
    virtual void ChildrenChanged() {}
    // The control is being freed.
    virtual void Detach();

protected:
    // The geometry and visibility the control asks for (overridden by the form's client area).
    virtual void ApplyBounds();
    virtual void ApplyVisible();
    virtual void ApplyLooks();

    TQtFormWindow& window_;
    TWinControl* control_;
};

// A Qt widget class (QLineEdit, QPushButton, QWidget…) standing for a windowed control. Its
// tooltips are the model's hints.
template <class QtWidget>
class TQtWindowedWidget : public QtWidget, public TQtControlWidget {
public:
    TQtWindowedWidget(TQtFormWindow& window, TWinControl& control, QWidget* parent)
        : QtWidget(parent), TQtControlWidget(window, control)
    {
    }

    QWidget& Widget() override { return *this; }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip && control_ != nullptr) {
            ShowModelHint(*this, *control_, *static_cast<QHelpEvent*>(event));
            return true;
        }
        return QtWidget::event(event);
    }
};
