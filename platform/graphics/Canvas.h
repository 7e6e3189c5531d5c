#pragma once
// The drawing surface of a bitmap. Lines, rectangles and fills light exactly the pixels of the
// platform's cosmetic one-pixel pen (docs/raster-rules.md): the analysis reads back what it draws.
#include <cstdint>

#include "platform/graphics/Types.h"

class TBitmap;
class TGraphic;

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
    // Outside the bitmap nothing happens.
    void SetPixel(std::int32_t x, std::int32_t y, TColor color);

    void MoveTo(std::int32_t x, std::int32_t y);
    // Lights the pen position and not (x, y), in the pen's colour and mode; moves the pen to (x, y).
    void LineTo(std::int32_t x, std::int32_t y);
    void Rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Fills columns Left..Right-1 and rows Top..Bottom-1 with the brush, always in copy mode.
    void FillRect(const TRect& r);
    // Draws a graphic with its top-left corner at (x, y), unscaled.
    void Draw(std::int32_t x, std::int32_t y, TGraphic& graphic);
    void StretchDraw(const TRect& r, TGraphic& graphic);

    TPoint PenPos() const { return penPos_; }
    TBitmap& Target() const { return target_; }

    TPen Pen;
    TBrush Brush;

private:
    void Plot(std::int32_t x, std::int32_t y, TColor color, TPenMode mode);
    void Line(TPoint from, TPoint to);

    TBitmap& target_;
    TPoint penPos_;
};
