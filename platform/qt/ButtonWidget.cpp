#include "platform/qt/ButtonWidget.h"

#include <QHelpEvent>

#include "platform/controls/HostInput.h"
#include "platform/qt/MouseInput.h"
#include "platform/qt/QtConvert.h"

TQtButtonWidget::TQtButtonWidget(TQtFormWindow& window, TButton& button, QWidget* parent)
    : QPushButton(parent), TQtControlWidget(window, button)
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

bool TQtButtonWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && control_ != nullptr) {
        ShowModelHint(*this, *control_, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return QPushButton::event(event);
}

void TQtButtonWidget::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    if (control_ != nullptr)
        HostFocus(*control_);
}
