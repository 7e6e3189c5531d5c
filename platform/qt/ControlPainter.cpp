#include "platform/qt/ControlPainter.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>

#include "platform/qt/QtConvert.h"

namespace {

// A one-pixel box frame: topLeft on the left column and top row, bottomRight on the right column and
// bottom row (the corners they share go to the colour drawn last, as the original frames do).
void Frame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    if (r.width() > 2)
        painter.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 2, 1), bottomRight);
}

struct TBevelColours {
    QColor First;   // top and left for a box
    QColor Second;  // bottom and right
};

TBevelColours ColoursOf(TBevelStyle style, const QPalette& palette)
{
    const QColor shadow = ToQColor(0xFF000010, palette);     // button shadow
    const QColor highlight = ToQColor(0xFF000014, palette);  // button highlight
    if (style == TBevelStyle::bsLowered)
        return {shadow, highlight};
    return {highlight, shadow};
}

}  // namespace

void PaintBevel(QPainter& painter, const TBevel& bevel, const QPalette& palette)
{
    const QRect r(bevel.Left(), bevel.Top(), bevel.Width(), bevel.Height());
    const TBevelColours c = ColoursOf(bevel.Style(), palette);
    switch (bevel.Shape()) {
    case TBevelShape::bsBox:
        Frame(painter, r, c.First, c.Second);
        break;
    case TBevelShape::bsFrame:
        // An etched double line: the second colour one pixel in and down, the first over it.
        Frame(painter, r.adjusted(1, 1, 0, 0), c.Second, c.Second);
        Frame(painter, r.adjusted(0, 0, -1, -1), c.First, c.First);
        break;
    case TBevelShape::bsTopLine:
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), c.First);
        painter.fillRect(QRect(r.left(), r.top() + 1, r.width(), 1), c.Second);
        break;
    case TBevelShape::bsBottomLine:
        painter.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 1), c.First);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c.Second);
        break;
    case TBevelShape::bsLeftLine:
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), c.First);
        painter.fillRect(QRect(r.left() + 1, r.top(), 1, r.height()), c.Second);
        break;
    case TBevelShape::bsRightLine:
        painter.fillRect(QRect(r.right() - 1, r.top(), 1, r.height()), c.First);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), c.Second);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}

namespace {

constexpr int LabelTextFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;

}  // namespace

QRect LabelArea(const TLabel& label)
{
    QRect area(label.Left(), label.Top(), label.Width(), label.Height());
    if (!label.AutoSize() || label.Caption().empty())
        return area;
    const QSize text = QFontMetrics(ToQFont(label.Font())).size(LabelTextFlags, ToQString(label.Caption()));
    area.setWidth(std::max(area.width(), text.width()));
    area.setHeight(std::max(area.height(), text.height()));
    return area;
}

void PaintLabel(QPainter& painter, const TLabel& label, const QRect& area, const QPalette& palette)
{
    if (!label.Transparent())
        painter.fillRect(area, ToQColor(label.Color(), palette));
    if (label.Caption().empty())
        return;
    int alignment = Qt::AlignLeft;
    if (label.Alignment() == TAlignment::taRightJustify)
        alignment = Qt::AlignRight;
    else if (label.Alignment() == TAlignment::taCenter)
        alignment = Qt::AlignHCenter;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setFont(ToQFont(label.Font()));
    painter.setPen(label.EnabledInWindow() ? ToQColor(label.Font().Color(), palette)
                                           : palette.color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, alignment | Qt::AlignTop | LabelTextFlags, ToQString(label.Caption()));
    painter.restore();
}

void PaintPanel(QPainter& painter, const TPanel& panel, const QRect& rect, const QPalette& palette)
{
    const QColor shadow = ToQColor(0xFF000010, palette);
    const QColor highlight = ToQColor(0xFF000014, palette);
    QRect r = rect;
    for (TBevelCut cut : {panel.BevelOuter(), panel.BevelInner()}) {
        if (cut == TBevelCut::bvNone)
            continue;
        for (int i = 0; i < panel.BevelWidth(); ++i) {
            if (cut == TBevelCut::bvLowered)
                Frame(painter, r, shadow, highlight);
            else if (cut == TBevelCut::bvRaised)
                Frame(painter, r, highlight, shadow);
            r.adjust(1, 1, -1, -1);
        }
    }
    if (!panel.Caption().empty()) {
        painter.setFont(ToQFont(panel.Font()));
        painter.setPen(ToQColor(panel.Font().Color(), palette));
        painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, ToQString(panel.Caption()));
    }
}

void PaintStatusText(QPainter& painter, const TStatusBar& statusBar, const QRect& rect, const QPalette& palette)
{
    // A thin line sets the bar off from the window above it.
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), ToQColor(0xFF000010, palette));
    const std::string& text = statusBar.SimplePanel() ? statusBar.SimpleText() : statusBar.Caption();
    if (text.empty())
        return;
    const QFont font = statusBar.UseSystemFont() ? QApplication::font() : ToQFont(statusBar.Font());
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::WindowText));
    const QRect textRect = rect.adjusted(4, 1, -4, 0);
    const QString shown = painter.fontMetrics().elidedText(ToQString(text), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}
