#include "platform/qt/ControlWidget.h"

#include "platform/qt/FormWindow.h"
#include "platform/qt/QtConvert.h"

TQtControlWidget::~TQtControlWidget()
{
    window_.WidgetGone(*this);
}

void TQtControlWidget::Refresh()
{
    ApplyBounds();
    ApplyLooks();
    Widget().setEnabled(control_->Enabled());
    ApplyVisible();
}

void TQtControlWidget::ControlChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Bounds: ApplyBounds(); break;
    case TViewChange::Visible: ApplyVisible(); break;
    case TViewChange::Enabled: Widget().setEnabled(control_->Enabled()); break;
    case TViewChange::Appearance: ApplyLooks(); break;
    case TViewChange::Text:
    case TViewChange::Paint: Widget().update(); break;
    default: break;
    }
}

void TQtControlWidget::Detach()
{
    control_ = nullptr;
    Widget().hide();
}

void TQtControlWidget::ApplyBounds()
{
    Widget().setGeometry(control_->Left(), control_->Top(), control_->Width(), control_->Height());
}

void TQtControlWidget::ApplyVisible()
{
    Widget().setVisible(control_->Visible());
}

void TQtControlWidget::ApplyLooks()
{
    Widget().setFont(ToQFont(control_->Font()));
    Widget().update();
}
