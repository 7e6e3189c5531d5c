#include "analysis/ContrastTab.h"

#include <algorithm>
#include <limits>

#include "analysis/BatchedRepaint.h"
#include "analysis/PixelReadout.h"
#include "analysis/RegionStatistics.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"

namespace {

std::int32_t Saturate(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// Corners (x − hw, y − hh) and (x + hw, y + hh). The canvas leaves out the right and bottom edges,
// so the outline runs along the region's outermost pixels. Far-off corners are pulled in to the
// 32-bit range; they stay outside the overlay, so the pixels drawn are the same.
TRect RectangleAround(TPoint center, std::int32_t halfWidth, std::int32_t halfHeight)
{
    return Rect(Saturate(std::int64_t{center.X} - halfWidth), Saturate(std::int64_t{center.Y} - halfHeight),
                Saturate(std::int64_t{center.X} + halfWidth), Saturate(std::int64_t{center.Y} + halfHeight));
}

}  // namespace

TContrastTab::HalfSizes TContrastTab::ReadHalfSizes() const
{
    return {StrToInt(c_.Edit9->Text()), StrToInt(c_.Edit10->Text())};
}

bool TContrastTab::IsAllowed(TPoint center, HalfSizes half) const
{
    return IsAllowedCenter(center, half.Width, half.Height, c_.Image9->Width(), c_.Image9->Height());
}

void TContrastTab::ClearOverlay()
{
    c_.Image10->Picture()->SetGraphic(nullptr);
    band_.reset();
}

void TContrastTab::ShowPixel(TPoint point)
{
    c_.StatusBar1->SetSimpleText(PixelReadoutText(point.X, point.Y, c_.Image9->Canvas()->Pixel(point.X, point.Y)));
}

void TContrastTab::ShowStatistics(TPoint center, HalfSizes half)
{
    const TRegionBounds region = RegionAround(center, half.Width, half.Height);
    // An empty region reads no pixel, so it needs no canvas.
    const Extremes extremes = region.Empty() ? Extremes{} : MeasureRegion(c_.Image9->Canvas()->Target(), region);
    c_.Edit11->SetText(IntToStr(extremes.Max));
    c_.Edit12->SetText(IntToStr(extremes.Min));
    c_.Edit13->SetText(ContrastText(extremes.Max, extremes.Min));
}

void TContrastTab::Image10MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    const HalfSizes half = ReadHalfSizes();
    if (half.Width == 0 || half.Height == 0) {
        // A region of no size is no use: offer 20 by 20 from the next event on. This press still
        // goes on with the sizes it read.
        c_.Edit9->SetText("20");
        c_.Edit10->SetText("20");
    }
    const TPoint pointer = Point(X, Y);
    if (!IsAllowed(pointer, half)) {
        s_.Dragging = true;
        return;
    }
    ClearOverlay();
    s_.Dragging = true;
    c_.Image10->Canvas()->Pen.Color = c_.ColorDialog1->Color;
    s_.RegionCenter = pointer;
    s_.DragCenter = pointer;
}

void TContrastTab::Image10MouseMove(TObject*, TShiftState Shift, int X, int Y)
{
    const HalfSizes half = ReadHalfSizes();
    const TPoint pointer = Point(X, Y);
    if (!IsAllowed(pointer, half))
        return;
    TCanvas* overlay = c_.Image10->Canvas();
    if (s_.Dragging) {
        const TBatchedRepaint onePaint(*overlay);  // the view never shows both bands, nor none
        overlay->Pen.Mode = TPenMode::pmNotXor;
        if (band_)
            overlay->Rectangle(*band_);
        band_ = RectangleAround(pointer, half.Width, half.Height);
        overlay->Rectangle(*band_);
    }
    s_.DragCenter = pointer;
    overlay->Pen.Mode = TPenMode::pmCopy;
    if (X >= 0 && X <= c_.Image9->Width() && Y >= 0 && Y <= c_.Image9->Height())
        ShowPixel(pointer);
    if (Shift.Contains(TShiftStateFlag::ssLeft))
        ShowStatistics(pointer, half);
}

void TContrastTab::Image10MouseUp(TObject*, TMouseButton, TShiftState, int X, int Y)
{
    const HalfSizes half = ReadHalfSizes();
    const TPoint pointer = Point(X, Y);
    if (!IsAllowed(pointer, half)) {
        s_.Dragging = false;  // the band stays where it was last drawn
        return;
    }
    const TRect rectangle = RectangleAround(pointer, half.Width, half.Height);
    c_.Image10->Canvas()->Rectangle(rectangle);
    // Drawn over the band in copy mode, the final rectangle leaves no band there to erase.
    if (band_ == rectangle)
        band_.reset();
    s_.Dragging = false;
    s_.RegionCenter = pointer;
    ShowStatistics(pointer, half);
}

void TContrastTab::Edit9Change(TObject*)
{
    ClearOverlay();
    TCanvas* overlay = c_.Image10->Canvas();
    // The rectangle of a changed size is always yellow, whatever the scan-line colour.
    overlay->Pen.Color = clYellow;
    overlay->Pen.Mode = TPenMode::pmCopy;
    const HalfSizes half = ReadHalfSizes();
    overlay->Rectangle(RectangleAround(s_.RegionCenter, half.Width, half.Height));
}
