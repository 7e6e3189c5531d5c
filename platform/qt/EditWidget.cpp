#include "platform/qt/EditWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/controls/HostInput.h"
#include "platform/qt/QtConvert.h"

TQtEditWidget::TQtEditWidget(TQtFormWindow& window, TEdit& edit, QWidget* parent)
    : TQtWindowedWidget<QLineEdit>(window, edit, parent)
{
    // A file dropped on a box belongs to the window, not to the box's text.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { UserEdited(text); });
}

void TQtEditWidget::Refresh()
{
    TQtControlWidget::Refresh();
    setReadOnly(Edit()->ReadOnly());
    ShowModelText();
}

void TQtEditWidget::ControlChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Text:
        if (!typing_)
            ShowModelText();
        break;
    case TViewChange::Enabled:
        setEnabled(control_->Enabled());
        setReadOnly(Edit()->ReadOnly());
        break;
    default:
        TQtControlWidget::ControlChanged(change);
        break;
    }
}

void TQtEditWidget::ShowModelText()
{
    const QString shown = ToQString(control_->Text());
    if (shown != text())
        setText(shown);  // emits no textEdited: nothing goes back to the model
}

void TQtEditWidget::UserEdited(const QString& text)
{
    if (control_ == nullptr)
        return;
    const int cursor = cursorPosition();
    typing_ = true;
    const std::string held = HostTyped(*Edit(), ToStdString(text));
    typing_ = false;
    if (control_ == nullptr)
        return;  // a handler freed the box
    const QString shown = ToQString(held);
    if (shown != this->text()) {
        setText(shown);
        setCursorPosition(std::min(cursor, static_cast<int>(shown.size())));
    }
}

void TQtEditWidget::keyPressEvent(QKeyEvent* event)
{
    if (control_ != nullptr && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const std::uint16_t key = event->key() == Qt::Key_Up ? VK_UP : VK_DOWN;
        if (HostKeyDown(*Edit(), key, ToShiftState(event->modifiers(), Qt::NoButton))) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TQtEditWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (control_ != nullptr)
        HostFocus(*control_);
}
