#include "platform/qt/GraphicChildren.h"

#include <algorithm>

#include "platform/controls/Bevel.h"
#include "platform/controls/Label.h"
#include "platform/qt/ControlPainter.h"
#include "platform/qt/DibImage.h"

namespace {

QRect BoundsOf(const TControl& control)
{
    return QRect(control.Left(), control.Top(), control.Width(), control.Height());
}

// The area a child paints, which for a label may reach beyond its bounds.
QRect PaintedArea(const TControl& control)
{
    if (const auto* label = dynamic_cast<const TLabel*>(&control))
        return LabelArea(*label);
    return BoundsOf(control);
}

// A stretched picture is converted whole; beyond this many pixels it shows unscaled instead.
constexpr long long MaxStretchedPixels = 16LL * 1024 * 1024;

}  // namespace

void TQtGraphicChildren::Paint(QPainter& painter, const TWinControl& parent, const QRect& clip,
                               const QPalette& palette)
{
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl* child = parent.Controls(i);
        if (child->IsWindowed() || !child->Visible())
            continue;
        const QRect area = PaintedArea(*child);
        if (!area.intersects(clip))
            continue;
        if (const auto* image = dynamic_cast<const TImage*>(child))
            PaintImage(painter, *image);
        else if (const auto* label = dynamic_cast<const TLabel*>(child))
            PaintLabel(painter, *label, area, palette);
        else if (const auto* bevel = dynamic_cast<const TBevel*>(child))
            PaintBevel(painter, *bevel, palette);
    }
}

void TQtGraphicChildren::Changed(const TControl& child, TViewChange change, QWidget& widget)
{
    switch (change) {
    case TViewChange::Picture: {
        // Drawing reports every line: once the image waits for its repaint, later reports add nothing.
        auto [it, added] = images_.try_emplace(&child);
        if (!added && !it->second.Current)
            break;
        it->second.Current = false;
        widget.update(BoundsOf(child));
        break;
    }
    case TViewChange::Appearance:
    case TViewChange::Bounds:
    case TViewChange::Text:
        // The old area must be repainted too (a label's text may have been wider).
        if (auto it = images_.find(&child); it != images_.end())
            it->second.Current = false;
        widget.update();
        break;
    default:
        widget.update(PaintedArea(child));
        break;
    }
}

void TQtGraphicChildren::Prune(const TWinControl& parent)
{
    std::erase_if(images_, [&parent](const auto& entry) {
        for (int i = 0; i < parent.ControlCount(); ++i)
            if (static_cast<const void*>(parent.Controls(i)) == entry.first)
                return false;
        return true;
    });
}

const QImage& TQtGraphicChildren::Shown(const TImage& image)
{
    TShownImage& entry = images_[&image];
    if (entry.Current)
        return entry.Image;
    entry.Current = true;
    entry.Image = QImage();
    TGraphic* graphic = image.Picture()->Graphic();
    if (graphic == nullptr)
        return entry.Image;  // an empty slot shows what lies beneath it
    QSize visible(image.Width(), image.Height());
    const long long pixels = static_cast<long long>(graphic->Width()) * graphic->Height();
    if ((image.Stretch() || image.Center()) && pixels <= MaxStretchedPixels)
        visible = QSize(graphic->Width(), graphic->Height());
    entry.Image = GraphicToQImage(*graphic, visible, image.Transparent());
    return entry.Image;
}

void TQtGraphicChildren::PaintImage(QPainter& painter, const TImage& image)
{
    const QImage& shown = Shown(image);
    if (shown.isNull())
        return;
    const QRect bounds = BoundsOf(image);
    if (!image.Stretch() && !image.Center()) {
        painter.drawImage(bounds.topLeft(), shown);  // converted at most the control's size: no clip
        return;
    }
    painter.save();
    painter.setClipRect(bounds, Qt::IntersectClip);
    if (image.Stretch()) {
        painter.drawImage(bounds, shown);
    } else {
        const QPoint offset((bounds.width() - shown.width()) / 2, (bounds.height() - shown.height()) / 2);
        painter.drawImage(bounds.topLeft() + offset, shown);
    }
    painter.restore();
}
