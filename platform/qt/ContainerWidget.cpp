#include "platform/qt/ContainerWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QPaintEvent>

#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/HostInput.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"
#include "platform/qt/ControlPainter.h"
#include "platform/qt/MouseInput.h"
#include "platform/qt/QtConvert.h"

TQtContainerWidget::TQtContainerWidget(TQtFormWindow& window, TWinControl& control, QWidget* parent)
    : QWidget(parent), TQtControlWidget(window, control)
{
    // Every pixel is painted here: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button held feed the status bar's pixel read-out.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

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
    if (form->BorderStyle() == TFormBorderStyle::bsSizeable || form->BorderStyle() == TFormBorderStyle::bsSizeToolWin) {
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

void TQtContainerWidget::ApplyLooks()
{
    setFont(ToQFont(control_->Font()));
    setAcceptDrops(!IsFormClient() && control_->AcceptsDroppedFiles());
    update();
}

void TQtContainerWidget::ControlChanged(TViewChange change)
{
    if (change == TViewChange::AcceptFiles) {
        ApplyLooks();
        return;
    }
    TQtControlWidget::ControlChanged(change);
}

void TQtContainerWidget::GraphicChildChanged(const TControl& child, TViewChange change)
{
    graphics_.Changed(child, change, *this);
}

void TQtContainerWidget::ChildrenChanged()
{
    graphics_.Prune(*control_);
    update();
}

bool TQtContainerWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && control_ != nullptr) {
        ShowModelHint(*this, *control_, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void TQtContainerWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect clip = event->rect();
    if (control_ == nullptr) {
        painter.fillRect(clip, palette().color(QPalette::Window));
        return;
    }
    painter.fillRect(clip, ToQColor(control_->Color(), palette()));
    if (const auto* panel = dynamic_cast<const TPanel*>(control_))
        PaintPanel(painter, *panel, rect(), palette());
    graphics_.Paint(painter, *control_, clip, palette());
    if (const auto* statusBar = dynamic_cast<const TStatusBar*>(control_))
        PaintStatusText(painter, *statusBar, rect(), palette());
}

void TQtContainerWidget::mousePressEvent(QMouseEvent* event)
{
    if (control_ != nullptr)
        ForwardMousePress(*control_, *event);
    event->accept();
}

void TQtContainerWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (control_ != nullptr)
        ForwardMousePress(*control_, *event, true);
    event->accept();
}

void TQtContainerWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (control_ != nullptr)
        ForwardMouseMove(*control_, *event);
    event->accept();
}

void TQtContainerWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (control_ != nullptr)
        ForwardMouseRelease(*control_, *event);
    event->accept();
}

void TQtContainerWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (control_ != nullptr && control_->AcceptsDroppedFiles() && !DroppedPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void TQtContainerWidget::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> paths = DroppedPaths(event->mimeData());
    if (control_ == nullptr || paths.empty())
        return;
    event->acceptProposedAction();
    HostDropFiles(*control_, paths);
}

void TQtContainerWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The user resized a sizeable form: its client area follows.
    if (control_ == nullptr || !IsFormClient() || (width() == control_->Width() && height() == control_->Height()))
        return;
    TWinControl* control = control_;
    const int w = width(), h = height();
    Application->Guard([&] { control->SetBounds(control->Left(), control->Top(), w, h); });
}
