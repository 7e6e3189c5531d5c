#include "platform/qt/ContainerWidget.h"

#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"
#include "platform/qt/ControlPainter.h"
#include "platform/qt/FormWindow.h"

bool TQtContainerWidget::IsFormClient() const
{
    return dynamic_cast<const TForm*>(control_) != nullptr;
}

void TQtContainerWidget::ApplyBounds()
{
    if (!IsFormClient()) {
        TQtControlWidget::ApplyBounds();
        return;
    }
    // The form's bounds are its client area; the window around it is the form window's business.
    const auto* form = static_cast<const TForm*>(control_);
    const QSize size(form->Width(), form->Height());
    if (IsSizeable(*form)) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    } else {
        setFixedSize(size);
    }
}

void TQtContainerWidget::ApplyVisible()
{
    // A form's visibility is its window's: the client area inside it is always shown.
    if (IsFormClient())
        show();
    else
        TQtControlWidget::ApplyVisible();
}

void TQtContainerWidget::PaintBelowChildren(QPainter& painter)
{
    if (const auto* panel = dynamic_cast<const TPanel*>(control_))
        PaintPanel(painter, *panel, rect(), palette());
}

void TQtContainerWidget::PaintAboveChildren(QPainter& painter)
{
    if (const auto* statusBar = dynamic_cast<const TStatusBar*>(control_))
        PaintStatusText(painter, *statusBar, rect(), palette());
}

void TQtContainerWidget::resizeEvent(QResizeEvent* event)
{
    TQtPaintedWidget::resizeEvent(event);
    // The user resized a sizeable form: its client area follows.
    if (control_ == nullptr || !IsFormClient() || (width() == control_->Width() && height() == control_->Height()))
        return;
    TWinControl* control = control_;
    const int w = width(), h = height();
    Application->Guard([&] { control->SetBounds(control->Left(), control->Top(), w, h); });
}
