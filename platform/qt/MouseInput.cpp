#include "platform/qt/MouseInput.h"

#include <optional>

#include <QToolTip>
#include <QUrl>

#include "platform/controls/Application.h"
#include "platform/controls/HostInput.h"
#include "platform/qt/QtConvert.h"

namespace {

// The path of a file on this machine: a file URL without a host (or naming "localhost", which
// toLocalFile would turn into a network path) and with an absolute path.
std::optional<std::string> LocalPath(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    const QString host = url.host();
    if (!host.isEmpty() && host != QLatin1String("localhost"))
        return std::nullopt;
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    return ToStdString(path);
}

}  // namespace

void ForwardMouse(TWinControl& control, const QMouseEvent& event)
{
    const QPoint p = event.position().toPoint();
    TShiftState shift = ToShiftState(event.modifiers(), event.buttons());
    if (event.type() == QEvent::MouseMove) {
        HostMouseMove(control, shift, p.x(), p.y());
        return;
    }
    TMouseButton button;
    if (!ToMouseButton(event.button(), button))
        return;
    switch (event.type()) {
    case QEvent::MouseButtonDblClick:
        shift << TShiftStateFlag::ssDouble;
        [[fallthrough]];
    case QEvent::MouseButtonPress: HostMouseDown(control, button, shift, p.x(), p.y()); break;
    case QEvent::MouseButtonRelease: HostMouseUp(control, button, shift, p.x(), p.y()); break;
    default: break;
    }
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
        if (std::optional<std::string> path = LocalPath(url))
            paths.push_back(std::move(*path));
    return paths;
}

bool TakesDrag(const TWinControl* control, const QMimeData* data)
{
    return control != nullptr && control->AcceptsDroppedFiles() && !DroppedPaths(data).empty();
}

void DeliverDrop(TWinControl* control, QDropEvent& event)
{
    const std::vector<std::string> paths = DroppedPaths(event.mimeData());
    if (control == nullptr || paths.empty())
        return;
    event.acceptProposedAction();
    HostDropFiles(*control, paths);
}
