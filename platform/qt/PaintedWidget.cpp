#include "platform/qt/PaintedWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPaintEvent>

#include "platform/qt/QtConvert.h"

TQtPaintedWidget::TQtPaintedWidget(TQtFormWindow& window, TWinControl& control, QWidget* parent)
    : TQtWindowedWidget<QWidget>(window, control, parent)
{
    // Every pixel is painted here: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button held feed the status bar's pixel read-out.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TQtPaintedWidget::ControlChanged(TViewChange change)
{
    if (change == TViewChange::AcceptFiles) {
        ApplyLooks();
        return;
    }
    TQtControlWidget::ControlChanged(change);
}

void TQtPaintedWidget::GraphicChildChanged(const TControl& child, TViewChange change)
{
    graphics_.Changed(child, change, *this);
}

void TQtPaintedWidget::ChildrenChanged()
{
    graphics_.Prune(*control_);
    update();
}

void TQtPaintedWidget::ApplyLooks()
{
    setAcceptDrops(TakesDrops() && control_->AcceptsDroppedFiles());
    TQtControlWidget::ApplyLooks();
}

void TQtPaintedWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect clip = event->rect();
    if (control_ == nullptr) {
        painter.fillRect(clip, palette().color(QPalette::Window));
        return;
    }
    painter.fillRect(clip, ToQColor(control_->Color(), palette()));
    PaintBelowChildren(painter);
    graphics_.Paint(painter, *control_, clip, palette());
    PaintAboveChildren(painter);
}

void TQtPaintedWidget::Forward(QMouseEvent& event)
{
    if (control_ != nullptr)
        ForwardMouse(*control_, event);
    event.accept();
}

void TQtPaintedWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (TakesDrag(control_, event->mimeData()))
        event->acceptProposedAction();
}

void TQtPaintedWidget::dropEvent(QDropEvent* event)
{
    DeliverDrop(control_, *event);
}
