#pragma once
// The controls without a window of their own that a windowed control's widget paints: images,
// labels and bevels, bottom first in the stacking order. Each image slot keeps the QImage it shows,
// converted again only after its picture changed, so a repaint costs a few blits.
#include <unordered_map>

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QWidget>

#include "platform/controls/Image.h"
#include "platform/controls/View.h"
#include "platform/controls/WinControl.h"

class TQtGraphicChildren {
public:
    // Paints every visible graphic child of parent that meets clip.
    void Paint(QPainter& painter, const TWinControl& parent, const QRect& clip, const QPalette& palette);
    // A graphic child changed: drops what is kept for it when its look changed and asks widget to
    // repaint the child's area (the whole widget when its bounds changed).
    void Changed(const TControl& child, TViewChange change, QWidget& widget);
    // The child is gone.
    void Forget(const TControl& child) { images_.erase(static_cast<const void*>(&child)); }
    // Drops what is kept for images that are no longer children of parent.
    void Prune(const TWinControl& parent);

private:
    void PaintImage(QPainter& painter, const TImage& image);
    const QImage& Shown(const TImage& image);

    struct TShownImage {
        QImage Image;
        bool Current = false;  // converted since the last change; if not, a repaint is pending
    };
    // Keyed by address only: an entry may outlive its control until the next Prune or Forget.
    std::unordered_map<const void*, TShownImage> images_;
};
