#pragma once
// The pixel side of metafile playback: fills, strokes, pixels and pictures in target pixels, with
// the binary raster operation and the clipping of the moment. Pixel (x, y) is sampled at the point
// (x, y): a polygon lights the pixels whose sample point lies inside it, left and top edges
// included, right and bottom edges left out, as the platform fills. Coordinates are doubles that
// may be absurd (the metafile is untrusted): work is bounded by the clip area, not by them.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Dib.h"
#include "platform/graphics/Types.h"

namespace metafile {

struct PointD {
    double X = 0;
    double Y = 0;
};
using Figure = std::vector<PointD>;

enum class FillRule { Alternate, Winding };

// How a filled area is painted: a colour, a hatch over an optional background, or a tiled picture.
struct Paint {
    enum class Kind { Solid, Hatch, Pattern };
    Kind Style = Kind::Solid;
    TColor Color = clBlack;
    int Hatch = 0;                  // HS_HORIZONTAL .. HS_DIAGCROSS
    bool OpaqueBackground = false;  // hatch gaps take Background
    TColor Background = clWhite;
    std::shared_ptr<const TDib> Pattern;
};

struct ClipArea {
    // Pixels drawn: Left <= x < Right, Top <= y < Bottom, outside every excluded rectangle.
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::vector<TRect> Excluded;
};

class Raster {
public:
    // Drawing stays inside area and the bitmap.
    Raster(TBitmap& target, const TRect& area);

    const ClipArea& Bounds() const { return bounds_; }
    // The clip of the moment: always inside the bounds given at construction.
    void SetClip(const ClipArea& clip);
    // R2_BLACK (1) .. R2_WHITE (16); other values draw as R2_COPYPEN.
    void SetRop2(int rop2) { rop2_ = rop2 >= 1 && rop2 <= 16 ? rop2 : 13; }

    void Fill(const std::vector<Figure>& figures, FillRule rule, const Paint& paint);
    // A one-pixel line from a to b, lighting a and not b (both rounded to pixels).
    void ThinLine(PointD a, PointD b, TColor color);
    // A pen of width pixels along the figure, with round joins and ends.
    void WideStroke(const Figure& points, bool closed, double width, TColor color);
    void Pixel(std::int32_t x, std::int32_t y, TColor color);
    // The picture's source rectangle stretched over the target rectangle (nearest neighbour); a
    // negative width or height mirrors it.
    void Picture(const TDib& dib, double srcX, double srcY, double srcWidth, double srcHeight, double destX,
                 double destY, double destWidth, double destHeight);

private:
    bool Inside(std::int32_t x, std::int32_t y) const;
    void Plot(std::int32_t x, std::int32_t y, TColor color);
    void PaintSpan(std::int32_t y, std::int32_t x0, std::int32_t x1, const Paint& paint);

    TBitmap& target_;
    ClipArea bounds_;
    ClipArea clip_;
    int rop2_ = 13;
};

}  // namespace metafile
