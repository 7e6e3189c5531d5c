#pragma once
// Painting of what has no widget of its own: bevels and labels (controls without a window), and the
// frames and texts that panels and the status bar draw on their own widget. Every function paints
// in the coordinates of the widget that holds the control.
#include <QPainter>
#include <QPalette>
#include <QRect>

#include "platform/controls/Bevel.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"

void PaintBevel(QPainter& painter, const TBevel& bevel, const QPalette& palette);
// Where a label paints: its bounds, grown to its text when it sizes itself to it (fonts here need
// not have the metrics the layout was made with).
QRect LabelArea(const TLabel& label);
// The label inside area, which is its LabelArea (the caller has it at hand from culling).
void PaintLabel(QPainter& painter, const TLabel& label, const QRect& area, const QPalette& palette);
// The panel's outer and inner bevels inside rect and its caption, centred.
void PaintPanel(QPainter& painter, const TPanel& panel, const QRect& rect, const QPalette& palette);
// The simple text of a status bar in the system font, left-aligned and centred vertically.
void PaintStatusText(QPainter& painter, const TStatusBar& statusBar, const QRect& rect, const QPalette& palette);
