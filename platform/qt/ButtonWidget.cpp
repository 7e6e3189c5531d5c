#include "platform/qt/ButtonWidget.h"

#include "platform/controls/HostInput.h"
#include "platform/qt/QtConvert.h"

TQtButtonWidget::TQtButtonWidget(TQtFormWindow& window, TButton& button, QWidget* parent)
    : TQtWindowedWidget<QPushButton>(window, button, parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (control_ != nullptr)
            HostButtonClick(*Button());
    });
}

void TQtButtonWidget::Refresh()
{
    TQtControlWidget::Refresh();
    setText(ToQString(control_->Caption()));
    setDefault(Button()->Default());
}

void TQtButtonWidget::ControlChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Text: setText(ToQString(control_->Caption())); break;
    case TViewChange::Appearance:
        TQtControlWidget::ControlChanged(change);
        setDefault(Button()->Default());
        break;
    default: TQtControlWidget::ControlChanged(change); break;
    }
}

void TQtButtonWidget::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    if (control_ != nullptr)
        HostFocus(*control_);
}
