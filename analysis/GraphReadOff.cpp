#include "analysis/GraphReadOff.h"

#include "analysis/GraphScale.h"
#include "analysis/Luminance.h"
#include "platform/core/SysUtils.h"

namespace {

constexpr unsigned LineMeasure = 1;  // the graph line is black, which measures 1

}  // namespace

void ReadGraphAt(TProfileOrientation orientation, const TGraphReadOffSlots& slots, int position)
{
    const bool horizontal = orientation == TProfileOrientation::Horizontal;
    slots.Marker->Picture()->SetGraphic(nullptr);
    TCanvas& marker = *slots.Marker->Canvas();
    marker.Pen.Color = clRed;
    if (horizontal) {
        marker.MoveTo(position, 0);
        marker.LineTo(position, slots.Marker->Width());
    } else {
        marker.MoveTo(0, position);
        marker.LineTo(slots.Marker->Height(), position);
    }

    const TCanvas& graph = *slots.Graph->Canvas();
    const int axisLength = horizontal ? slots.Graph->Height() : slots.Graph->Width();
    for (int n = 0; n < axisLength; ++n) {
        const TColor pixel = horizontal ? graph.Pixel(position, n) : graph.Pixel(n, position);
        if (Luminance(pixel) == LineMeasure) {
            slots.ValueBox->SetText(IntToStr(GraphReadBack(n, axisLength)));
            return;
        }
    }
}
