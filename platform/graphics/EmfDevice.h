#pragma once
// The device context that both metafile players draw through: mapping mode, window and viewport,
// world transform, pen, brush, colours, current position, clipping, saved states and paths. Every
// drawing call takes logical coordinates, maps them to target pixels and hands the result to the
// raster (or to the path being recorded).
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/graphics/EmfRaster.h"

namespace metafile {

// Values of the metafile records.
enum MapMode { MM_TEXT = 1, MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH, MM_TWIPS, MM_ISOTROPIC, MM_ANISOTROPIC };
enum PenStyle { PS_SOLID = 0, PS_NULL = 5, PS_STYLE_MASK = 0xF, PS_GEOMETRIC = 0x10000 };
enum BrushStyle { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2, BS_PATTERN = 3, BS_DIBPATTERN = 5, BS_DIBPATTERNPT = 6 };
enum BackgroundMode { TRANSPARENT = 1, OPAQUE = 2 };
enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };

struct Pen {
    std::uint32_t Style = PS_SOLID;
    double Width = 0;       // logical units; 0 is one pixel whatever the mapping
    bool Cosmetic = false;  // always one pixel
    TColor Color = clBlack;
};

struct Brush {
    std::uint32_t Style = BS_SOLID;
    TColor Color = clWhite;
    int Hatch = 0;
    std::shared_ptr<const TDib> Pattern;
};

// An entry of a player's object table. Fonts, palettes and regions take a slot and draw nothing.
struct Object {
    enum class Kind { Pen, Brush, Other };
    Object() = default;
    explicit Object(Kind type) : Type(type) {}
    Kind Type = Kind::Other;
    Pen AsPen;
    Brush AsBrush;
};

// Raster operations of the blit records that need no source picture.
inline constexpr std::uint32_t PATCOPY = 0x00F00021;
inline constexpr std::uint32_t BLACKNESS = 0x00000042;
inline constexpr std::uint32_t WHITENESS = 0x00FF0062;

// x' = M11 x + M21 y + Dx, y' = M12 x + M22 y + Dy
struct Transform {
    double M11 = 1, M12 = 0, M21 = 0, M22 = 1, Dx = 0, Dy = 0;
    PointD Apply(PointD p) const { return {M11 * p.X + M21 * p.Y + Dx, M12 * p.X + M22 * p.Y + Dy}; }
    // This transform, then next.
    Transform Then(const Transform& next) const;
    bool Finite() const;
};

struct DeviceState {
    int MapMode = MM_TEXT;
    PointD WindowOrg{0, 0}, WindowExt{1, 1}, ViewportOrg{0, 0}, ViewportExt{1, 1};
    Transform World;
    Pen CurrentPen;
    Brush CurrentBrush;
    TColor TextColor = clBlack;
    TColor BackgroundColor = clWhite;
    int BackgroundMode = OPAQUE;
    int FillMode = ALTERNATE;
    int Rop2 = 13;
    PointD Position;  // logical
    bool Clockwise = false;
    ClipArea Clip;    // target pixels
};

enum class ArcKind { Arc, Chord, Pie };

class Device {
public:
    // referenceToTarget maps the metafile's device coordinates to target pixels; pixelsPerMillimetre
    // is the reference device's resolution, for the metric mapping modes.
    Device(TBitmap& target, const TRect& rect, const Transform& referenceToTarget, PointD pixelsPerMillimetre);

    DeviceState& State() { return state_; }
    // Makes a pen or brush the current one.
    void Select(const Object& object);
    void SaveState();
    // relative < 0: that many states back; > 0: the state saved as that number. Others are ignored.
    void RestoreState(std::int32_t which);

    // Mapping. A zero extent is refused, as the platform refuses it.
    void SetMapMode(int mode);
    void SetWindowOrg(PointD origin) { state_.WindowOrg = origin; }
    void SetWindowExt(PointD extent);
    void SetViewportOrg(PointD origin) { state_.ViewportOrg = origin; }
    void SetViewportExt(PointD extent);
    void SetWorldTransform(const Transform& world);
    PointD ToTarget(PointD logical) const;

    // Clipping, in logical coordinates.
    void IntersectClip(PointD a, PointD b);
    void ExcludeClip(PointD a, PointD b);
    void ResetClip();
    // A rectangle of the reference device (region data).
    void SetClipToReference(PointD a, PointD b);

    // Drawing, in logical coordinates.
    void MoveTo(PointD p);
    void LineTo(PointD p);
    void Polyline(const std::vector<PointD>& points);
    void PolylineTo(const std::vector<PointD>& points);
    void Polygons(const std::vector<std::vector<PointD>>& polygons);
    void PolyBezier(const std::vector<PointD>& points, bool fromPosition);
    void Rectangle(PointD a, PointD b);
    void RoundRect(PointD a, PointD b, PointD corner);
    void Ellipse(PointD a, PointD b);
    void ArcShape(ArcKind kind, PointD a, PointD b, PointD start, PointD end);
    void SetPixel(PointD p, TColor color);
    // Fills a rectangle with the brush, no outline (a pattern blit).
    void FillWithBrush(PointD a, PointD b);
    // Fills a rectangle with one colour (blackness, whiteness).
    void FillWithColour(PointD a, PointD b, TColor color);
    // A picture stretched over a logical rectangle.
    void Picture(const TDib& dib, double srcX, double srcY, double srcWidth, double srcHeight, PointD destA,
                 PointD destB);

    // From now on drawing calls only widen the extent of what they would draw, in target pixels.
    void TrackExtent() { tracking_ = true; }
    // Left, top, right, bottom; nothing drawn yet: all zero and false.
    bool Extent(double (&box)[4]) const;

    // Paths: between BeginPath and EndPath drawing calls add figures instead of drawing.
    void BeginPath();
    void EndPath();
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();

private:
    struct Shape {
        std::vector<Figure> Figures;  // target pixels
        std::vector<bool> Closed;
    };

    Transform LogicalToTarget() const;
    PointD PageScale() const;
    // The figures filled with the brush (when fill) and outlined with the pen.
    void Draw(const Shape& shape, bool fill);
    void Stroke(const Shape& shape);
    void FillShape(const Shape& shape);
    void ApplyClip();
    // A box shape: the logical rectangle a..b mapped to the target; axis-aligned boxes leave out
    // their right and bottom pixel, as the platform does.
    struct Box {
        PointD Corner[4];
    };
    Box TargetBox(PointD a, PointD b) const;
    std::vector<PointD> EllipseArc(const Box& box, double from, double sweep) const;
    void AddToPath(const Shape& shape);
    void Track(PointD p);
    // Counts points towards the path's limit; false when they would pass it.
    bool PathHasRoom(std::size_t points);

    Raster raster_;
    Transform referenceToTarget_;
    PointD pixelsPerMillimetre_;
    DeviceState state_;
    std::vector<DeviceState> saved_;
    bool recordingPath_ = false;
    Shape path_;
    std::size_t pathPoints_ = 0;
    bool tracking_ = false;
    bool tracked_ = false;
    double extent_[4] = {0, 0, 0, 0};
    bool figureOpen_ = false;
};

}  // namespace metafile
