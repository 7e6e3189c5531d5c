#include "analysis/Profile.h"

#include "analysis/BatchedRepaint.h"
#include "analysis/Extremes.h"
#include "analysis/GraphScale.h"
#include "analysis/Luminance.h"
#include "analysis/SourcePixels.h"
#include "platform/core/SysUtils.h"

namespace {

// Maps (position along the line, position on the value axis) to graph coordinates, and a position
// along the line to picture coordinates.
struct TProfileGeometry {
    bool Horizontal;
    int Index;

    TPoint OnGraph(int along, int value) const { return Horizontal ? Point(along, value) : Point(value, along); }
    TColor PixelAt(const TSourcePixels& pixels, int along) const
    {
        return Horizontal ? pixels.At(along, Index) : pixels.At(Index, along);
    }
};

Extremes PlotProfile(const TProfileGeometry& geometry, TImage& source, TImage& graph)
{
    TCanvas& canvas = *graph.Canvas();
    const int axisLength = geometry.Horizontal ? graph.Height() : graph.Width();
    const int lineLength = geometry.Horizontal ? source.Width() : source.Height();
    TBatchedRepaint repaintOnce(canvas);
    canvas.FillRect(Rect(0, 0, graph.Width(), graph.Height()));

    const TSourcePixels pixels(*source.Canvas());  // raises when the picture is not a bitmap
    const TPoint start = geometry.OnGraph(0, GraphStartPosition(Luminance(geometry.PixelAt(pixels, 0)), axisLength));
    canvas.MoveTo(start.X, start.Y);
    Extremes extremes;
    for (int along = 0; along < lineLength; ++along) {
        const unsigned measure = Luminance(geometry.PixelAt(pixels, along));
        const TPoint point = geometry.OnGraph(along, GraphLinePosition(measure, axisLength));
        canvas.LineTo(point.X, point.Y);
        extremes.Add(measure);
    }
    return extremes;
}

// Across the whole source control: from its edge to one past its far edge.
void DrawScanLine(const TProfileGeometry& geometry, const TProfileSlots& slots)
{
    TCanvas& canvas = *slots.ScanOverlay->Canvas();
    canvas.Pen.Color = slots.ScanColour->Color;
    if (geometry.Horizontal) {
        canvas.MoveTo(0, geometry.Index);
        canvas.LineTo(slots.Source->Width(), geometry.Index);
    } else {
        canvas.MoveTo(geometry.Index, 0);
        canvas.LineTo(geometry.Index, slots.Source->Height());
    }
}

}  // namespace

void DrawProfile(TProfileOrientation orientation, const TProfileSlots& slots, int index)
{
    const TProfileGeometry geometry{orientation == TProfileOrientation::Horizontal, index};
    const int lines = geometry.Horizontal ? slots.Source->Height() : slots.Source->Width();
    if (index < 0 || index > lines - 1)
        return;
    const Extremes extremes = PlotProfile(geometry, *slots.Source, *slots.Graph);
    DrawScanLine(geometry, slots);
    slots.CoordinateBox->SetText(IntToStr(index));
    slots.MaximumBox->SetText(IntToStr(extremes.Max));
    slots.MinimumBox->SetText(IntToStr(extremes.Min));
}
