#pragma once
// What an image slot shows, as a QImage: the top-left part of its picture, at most the control's
// size, converted only when the picture changed. A transparent slot leaves out every white pixel.
#include <QImage>
#include <QSize>

#include "platform/graphics/Dib.h"
#include "platform/graphics/Graphic.h"

// The top-left width x height pixels of the store (less where the store is smaller). Opaque slots
// give Format_RGB32; with leaveOutWhite, Format_ARGB32_Premultiplied in which every pixel of colour
// 0xFFFFFF is fully transparent. A null image for an empty or inconsistent store.
QImage DibToQImage(const TDib& dib, int width, int height, bool leaveOutWhite);

// Any graphic: a bitmap's store directly; an icon or a metafile drawn unscaled on a white scratch
// bitmap of at most the visible size. A null image when there is nothing to show or drawing fails.
QImage GraphicToQImage(TGraphic& graphic, QSize visible, bool leaveOutWhite);
