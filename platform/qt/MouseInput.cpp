#include "platform/qt/MouseInput.h"

#include <QToolTip>
#include <QUrl>

#include "platform/controls/Application.h"
#include "platform/controls/HostInput.h"
#include "platform/qt/QtConvert.h"

namespace {

QPoint Position(const QMouseEvent& event)
{
    return event.position().toPoint();
}

}  // namespace

void ForwardMousePress(TWinControl& control, const QMouseEvent& event, bool doubleClick)
{
    TMouseButton button;
    if (!ToMouseButton(event.button(), button))
        return;
    TShiftState shift = ToShiftState(event.modifiers(), event.buttons());
    if (doubleClick)
        shift << TShiftStateFlag::ssDouble;
    const QPoint p = Position(event);
    HostMouseDown(control, button, shift, p.x(), p.y());
}

void ForwardMouseMove(TWinControl& control, const QMouseEvent& event)
{
    const QPoint p = Position(event);
    HostMouseMove(control, ToShiftState(event.modifiers(), event.buttons()), p.x(), p.y());
}

void ForwardMouseRelease(TWinControl& control, const QMouseEvent& event)
{
    TMouseButton button;
    if (!ToMouseButton(event.button(), button))
        return;
    const QPoint p = Position(event);
    HostMouseUp(control, button, ToShiftState(event.modifiers(), event.buttons()), p.x(), p.y());
}

void ShowModelHint(QWidget& widget, const TWinControl& control, const QHelpEvent& event)
{
    const TPoint point = Point(event.pos().x(), event.pos().y());
    std::string hint;
    QRect area = widget.rect();
    Application->Guard([&] {
        if (!Application->ShowHint())
            return;
        hint = control.HintAt(point);
        const TControl* under = control.FindControlAt(point, true);
        if (under != nullptr && under != &control) {
            const TPoint origin = under->ClientToParent(Point(0, 0), &control);
            area = QRect(origin.X, origin.Y, under->Width(), under->Height());
        }
    });
    if (hint.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), ToQString(hint), &widget, area);
}

std::vector<std::string> DroppedPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(ToStdString(url.toLocalFile()));
    return paths;
}
