#include "platform/qt/UpDownWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/controls/HostInput.h"

TQtUpDownWidget::TQtUpDownWidget(TQtFormWindow& window, TUpDown& upDown, QWidget* parent)
    : TQtWindowedWidget<QWidget>(window, upDown, parent)
{
    setFocusPolicy(upDown.TabStop() ? Qt::TabFocus : Qt::NoFocus);
    connect(&repeat_, &QTimer::timeout, this, [this] { Repeat(); });
}

void TQtUpDownWidget::ControlChanged(TViewChange change)
{
    if (change == TViewChange::Position) {
        update();
        return;
    }
    TQtControlWidget::ControlChanged(change);
}

void TQtUpDownWidget::Detach()
{
    Release();
    TQtControlWidget::Detach();
}

bool TQtUpDownWidget::Horizontal() const
{
    return control_ != nullptr && UpDown()->Orientation() == TUDOrientation::udHorizontal;
}

QRect TQtUpDownWidget::PartRect(TPart part) const
{
    const QRect r = rect();
    if (Horizontal()) {
        const int half = r.width() / 2;
        return part == TPart::Prev ? QRect(0, 0, half, r.height()) : QRect(half, 0, r.width() - half, r.height());
    }
    const int half = r.height() / 2;
    return part == TPart::Next ? QRect(0, 0, r.width(), half) : QRect(0, half, r.width(), r.height() - half);
}

TQtUpDownWidget::TPart TQtUpDownWidget::PartAt(QPoint point) const
{
    if (PartRect(TPart::Next).contains(point))
        return TPart::Next;
    if (PartRect(TPart::Prev).contains(point))
        return TPart::Prev;
    return TPart::None;
}

void TQtUpDownWidget::Step(TPart part)
{
    if (control_ == nullptr || part == TPart::None)
        return;
    HostUpDownClick(*UpDown(), part == TPart::Next ? TUDBtnType::btNext : TUDBtnType::btPrev);
}

void TQtUpDownWidget::Repeat()
{
    repeat_.setInterval(RepeatIntervalMs);
    if (pointerOnPressed_)
        Step(pressed_);
}

void TQtUpDownWidget::Release()
{
    repeat_.stop();
    pressed_ = TPart::None;
    pointerOnPressed_ = false;
    update();
}

void TQtUpDownWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const bool horizontal = Horizontal();
    for (TPart part : {TPart::Next, TPart::Prev}) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = PartRect(part);
        const bool sunken = part == pressed_ && pointerOnPressed_;
        option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        option.rect = option.rect.adjusted(2, 1, -2, -1);
        QStyle::PrimitiveElement arrow;
        if (horizontal)
            arrow = part == TPart::Next ? QStyle::PE_IndicatorArrowRight : QStyle::PE_IndicatorArrowLeft;
        else
            arrow = part == TPart::Next ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
        style()->drawPrimitive(arrow, &option, &painter, this);
    }
}

void TQtUpDownWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || pressed_ != TPart::None)
        return;
    pressed_ = PartAt(event->position().toPoint());
    pointerOnPressed_ = pressed_ != TPart::None;
    update();
    repeat_.start(RepeatDelayMs);
    Step(pressed_);
}

void TQtUpDownWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (pressed_ == TPart::None)
        return;
    const bool on = PartAt(event->position().toPoint()) == pressed_;
    if (on != pointerOnPressed_) {
        pointerOnPressed_ = on;
        update();
    }
}

void TQtUpDownWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        Release();
}

void TQtUpDownWidget::keyPressEvent(QKeyEvent* event)
{
    const bool forward = event->key() == Qt::Key_Up || event->key() == Qt::Key_Right;
    const bool back = event->key() == Qt::Key_Down || event->key() == Qt::Key_Left;
    if (control_ == nullptr || !(forward || back) || !UpDown()->ArrowKeys()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Step(forward ? TPart::Next : TPart::Prev);
}
