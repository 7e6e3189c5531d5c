#pragma once
// The drawing surface of a bitmap. Lines, rectangles and fills light exactly the pixels of the
// platform's cosmetic one-pixel pen (docs/raster-rules.md): the analysis reads back what it draws.
#include <cstdint>

#include "platform/graphics/Types.h"

class TBitmap;
class TGraphic;
struct TDib;

// The sixteen binary raster operations of the pen, applied to the 24-bit colours of pen and pixel
// (pmNotXor: NOT (pen XOR pixel)).
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                      pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };

struct TPen {
    TColor Color = clBlack;
    TPenMode Mode = TPenMode::pmCopy;
    std::int32_t Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
};

class TCanvas {
public:
    explicit TCanvas(TBitmap& target) : target_(target) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // 0x00BBGGRR inside the bitmap; InvalidColor (0xFFFFFFFF) outside it.
    TColor Pixel(std::int32_t x, std::int32_t y) const;
    // Outside the bitmap nothing happens. Colours with a system-colour top byte are resolved first
    // (ColorToRGB), as for every colour the canvas draws with.
    void SetPixel(std::int32_t x, std::int32_t y, TColor color);

    void MoveTo(std::int32_t x, std::int32_t y);
    // Lights the pen position and not (x, y), in the pen's colour and mode; moves the pen to (x, y).
    void LineTo(std::int32_t x, std::int32_t y);
    // The outline (L,T)->(R-1,T)->(R-1,B-1)->(L,B-1)->(L,T) by the line rule in the pen's colour and
    // mode, and the interior (columns L+1..R-2, rows T+1..B-2) in the brush colour and the pen's
    // mode; corners are swapped into order, and L = R or T = B draws nothing. The pen stays put.
    void Rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Fills columns Left..Right-1 and rows Top..Bottom-1 with the brush, always in copy mode.
    void FillRect(const TRect& r);
    // Each drawing call, Draw and StretchDraw included, reports one change to the bitmap.
    // Draws a graphic with its top-left corner at (x, y), unscaled.
    void Draw(std::int32_t x, std::int32_t y, TGraphic& graphic);
    void StretchDraw(const TRect& r, TGraphic& graphic);
    // Copies a pixel store into r, nearest neighbour when the sizes differ, skipping what falls
    // outside the bitmap; an empty or inverted r draws nothing. Graphics draw themselves through
    // it (a bitmap's own store may be passed). It reports no change: Draw and StretchDraw do.
    void StretchDrawDib(const TRect& r, const TDib& dib);

    TPoint PenPos() const { return penPos_; }
    TBitmap& Target() const { return target_; }

    TPen Pen;
    TBrush Brush;

private:
    TBitmap& target_;
    TPoint penPos_;
};
