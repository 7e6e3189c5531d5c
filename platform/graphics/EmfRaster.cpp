#include "platform/graphics/EmfRaster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/DibPixels.h"

namespace metafile {

namespace {

// Pixel coordinates past this are as good as infinite for any bitmap, and keep integer line
// arithmetic far from overflow.
constexpr double FarAway = 1 << 28;
// Wide strokes are filled this many segments at a time, so a long polyline needs no huge edge list.
constexpr std::size_t StrokeBatch = 512;

// Beyond this, coordinates are clamped before fill arithmetic, which then can't overflow.
constexpr double Huge = 1e15;

bool Finite(PointD p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

PointD Tame(PointD p) { return {std::clamp(p.X, -Huge, Huge), std::clamp(p.Y, -Huge, Huge)}; }

std::int64_t RoundToPixel(double v)
{
    return static_cast<std::int64_t>(std::floor(std::clamp(v, -FarAway, FarAway) + 0.5));
}

// ceil(a / b) for b > 0.
std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

struct Edge {
    double X0, Y0, X1, Y1;
    double YMin, YMax;
    int Direction;
};

struct Crossing {
    double X;
    int Direction;
};

double SignedArea(const Figure& points)
{
    double area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PointD& a = points[i];
        const PointD& b = points[(i + 1) % points.size()];
        area += a.X * b.Y - b.X * a.Y;
    }
    return area / 2;
}

bool Covers(const Figure& convex, double x, double y)
{
    // Inside a convex figure turning either way: on the same side of every edge.
    int side = 0;
    for (std::size_t i = 0; i < convex.size(); ++i) {
        const PointD& a = convex[i];
        const PointD& b = convex[(i + 1) % convex.size()];
        const double cross = (b.X - a.X) * (y - a.Y) - (b.Y - a.Y) * (x - a.X);
        const int s = cross > 0 ? 1 : cross < 0 ? -1 : 0;
        if (s != 0 && side != 0 && s != side)
            return false;
        if (s != 0)
            side = s;
    }
    return true;
}

// Convex pieces of a stroke all turn the same way, so the winding rule fills their union.
void AddOriented(std::vector<Figure>& pieces, Figure piece)
{
    if (SignedArea(piece) < 0)
        std::reverse(piece.begin(), piece.end());
    pieces.push_back(std::move(piece));
}

Figure Disc(PointD centre, double radius)
{
    const int steps = static_cast<int>(std::clamp(std::ceil(radius * 2), 8.0, 64.0));
    Figure disc;
    for (int i = 0; i < steps; ++i) {
        const double angle = 2 * std::numbers::pi * i / steps;
        disc.push_back({centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)});
    }
    return disc;
}

bool HatchLit(int hatch, std::int32_t x, std::int32_t y)
{
    const int u = x & 7, v = y & 7;
    switch (hatch) {
    case 0: return v == 0;                          // horizontal
    case 1: return u == 0;                          // vertical
    case 2: return u == v;                          // forward diagonal
    case 3: return ((u + v) & 7) == 7;              // backward diagonal
    case 4: return u == 0 || v == 0;                // cross
    case 5: return u == v || ((u + v) & 7) == 7;    // diagonal cross
    default: return false;
    }
}

// The binary raster operation: bit (2 * pen + destination) of rop2 - 1 gives each result bit.
TColor ApplyRop2(int rop2, TColor pen, TColor destination)
{
    const std::uint32_t table = static_cast<std::uint32_t>(rop2 - 1);
    std::uint32_t result = 0;
    for (int p = 0; p <= 1; ++p)
        for (int d = 0; d <= 1; ++d)
            if ((table >> (2 * p + d)) & 1)
                result |= (p ? pen : ~pen) & (d ? destination : ~destination);
    return result & 0xFFFFFF;
}

}  // namespace

Raster::Raster(TBitmap& target, const TRect& area) : target_(target)
{
    bounds_.Left = std::max(area.Left, 0);
    bounds_.Top = std::max(area.Top, 0);
    bounds_.Right = std::min(area.Right, target.Width());
    bounds_.Bottom = std::min(area.Bottom, target.Height());
    clip_ = bounds_;
}

void Raster::SetClip(const ClipArea& clip)
{
    clip_ = clip;
    clip_.Left = std::max(clip.Left, bounds_.Left);
    clip_.Top = std::max(clip.Top, bounds_.Top);
    clip_.Right = std::min(clip.Right, bounds_.Right);
    clip_.Bottom = std::min(clip.Bottom, bounds_.Bottom);
}

bool Raster::Inside(std::int32_t x, std::int32_t y) const
{
    if (x < clip_.Left || x >= clip_.Right || y < clip_.Top || y >= clip_.Bottom)
        return false;
    for (const TRect& r : clip_.Excluded)
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
            return false;
    return true;
}

void Raster::Plot(std::int32_t x, std::int32_t y, TColor color)
{
    if (!Inside(x, y))
        return;
    color = ColorToRGB(color);
    if (rop2_ != 13)
        color = ApplyRop2(rop2_, color, target_.PixelAt(x, y));
    target_.SetPixelAt(x, y, color);
}

void Raster::PaintSpan(std::int32_t y, std::int32_t x0, std::int32_t x1, const Paint& paint)
{
    for (std::int32_t x = x0; x < x1; ++x) {
        switch (paint.Style) {
        case Paint::Kind::Solid:
            Plot(x, y, paint.Color);
            break;
        case Paint::Kind::Hatch:
            if (HatchLit(paint.Hatch, x, y))
                Plot(x, y, paint.Color);
            else if (paint.OpaqueBackground)
                Plot(x, y, paint.Background);
            break;
        case Paint::Kind::Pattern: {
            const TDib& dib = *paint.Pattern;
            Plot(x, y, ReadDibPixel(dib, x % dib.Width, y % dib.Height));
            break;
        }
        }
    }
}

void Raster::Fill(const std::vector<Figure>& figures, FillRule rule, const Paint& paint)
{
    if (paint.Style == Paint::Kind::Pattern && (!paint.Pattern || paint.Pattern->Empty()))
        return;
    std::vector<Edge> edges;
    double top = FarAway, bottom = -FarAway;
    for (const Figure& figure : figures) {
        if (figure.size() < 3 || !std::all_of(figure.begin(), figure.end(), Finite))
            continue;
        for (std::size_t i = 0; i < figure.size(); ++i) {
            const PointD a = Tame(figure[i]);
            const PointD b = Tame(figure[(i + 1) % figure.size()]);
            // Edges wholly above or below the clip cross none of its rows.
            if (a.Y == b.Y || std::max(a.Y, b.Y) <= clip_.Top || std::min(a.Y, b.Y) >= clip_.Bottom)
                continue;
            edges.push_back({a.X, a.Y, b.X, b.Y, std::min(a.Y, b.Y), std::max(a.Y, b.Y), b.Y > a.Y ? 1 : -1});
            top = std::min(top, std::min(a.Y, b.Y));
            bottom = std::max(bottom, std::max(a.Y, b.Y));
        }
    }
    if (edges.empty())
        return;
    const auto firstRow = static_cast<std::int32_t>(std::max<double>(clip_.Top, std::ceil(std::max(top, -FarAway))));
    const auto endRow = static_cast<std::int32_t>(std::min<double>(clip_.Bottom, std::ceil(std::min(bottom, FarAway))));
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.YMin < b.YMin; });

    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::size_t next = 0;
    for (std::int32_t row = firstRow; row < endRow; ++row) {
        const double y = row;
        while (next < edges.size() && edges[next].YMin <= y)
            active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* e) { return e->YMax <= y; });
        crossings.clear();
        for (const Edge* e : active)
            if (e->YMin <= y)
                crossings.push_back({e->X0 + (y - e->Y0) * (e->X1 - e->X0) / (e->Y1 - e->Y0), e->Direction});
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.X < b.X; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += rule == FillRule::Winding ? crossings[i].Direction : 1;
            const bool inside = rule == FillRule::Winding ? winding != 0 : (winding & 1) != 0;
            if (!inside)
                continue;
            const double from = std::clamp(std::ceil(crossings[i].X), double(clip_.Left), double(clip_.Right));
            const double to = std::clamp(std::ceil(crossings[i + 1].X), double(clip_.Left), double(clip_.Right));
            PaintSpan(row, static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), paint);
        }
    }
}

void Raster::ThinLine(PointD a, PointD b, TColor color)
{
    if (!Finite(a) || !Finite(b))
        return;
    const std::int64_t x0 = RoundToPixel(a.X), y0 = RoundToPixel(a.Y);
    const std::int64_t x1 = RoundToPixel(b.X), y1 = RoundToPixel(b.Y);
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const std::int64_t majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minorChange = xMajor ? dy : dx;
    const std::int64_t sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    if (steps == 0)
        return;
    // Only the steps whose major coordinate lies inside the clip are walked.
    const std::int64_t low = xMajor ? clip_.Left : clip_.Top, high = xMajor ? clip_.Right : clip_.Bottom;
    std::int64_t first = sign > 0 ? low - majorStart : majorStart - (high - 1);
    std::int64_t last = sign > 0 ? high - 1 - majorStart : majorStart - low;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps - 1);
    for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t major = majorStart + k * sign;
        const std::int64_t minor = minorStart + CeilDiv(2 * k * minorChange - steps, 2 * steps);
        const std::int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        if (x >= clip_.Left && x < clip_.Right && y >= clip_.Top && y < clip_.Bottom)
            Plot(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), color);
    }
}

void Raster::WideStroke(const Figure& points, bool closed, double width, TColor color)
{
    if (points.empty() || !std::all_of(points.begin(), points.end(), Finite) || !(width > 0))
        return;
    const double half = std::min(width, FarAway) / 2;
    Paint paint;
    paint.Color = color;
    const ClipArea& c = clip_;
    std::vector<Figure> pieces;
    // A piece away from the clip is left out; one that covers all of it settles the stroke.
    const auto add = [&](Figure piece) {
        if (!std::all_of(piece.begin(), piece.end(), Finite))
            return false;
        double left = piece[0].X, right = left, top = piece[0].Y, bottom = top;
        for (const PointD& p : piece) {
            left = std::min(left, p.X), right = std::max(right, p.X);
            top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
        }
        if (right < c.Left || left >= c.Right || bottom < c.Top || top >= c.Bottom)
            return false;
        if (Covers(piece, c.Left, c.Top) && Covers(piece, c.Right, c.Top) && Covers(piece, c.Left, c.Bottom) &&
            Covers(piece, c.Right, c.Bottom)) {
            const double l = c.Left, t = c.Top, r = c.Right, b = c.Bottom;
            Fill({{{l, t}, {r, t}, {r, b}, {l, b}}}, FillRule::Winding, paint);
            return true;
        }
        AddOriented(pieces, std::move(piece));
        return false;
    };
    const std::size_t segments = closed ? points.size() : points.size() - 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (add(Disc(points[i], half)))
            return;
        if (i < segments) {
            const PointD& a = points[i];
            const PointD& b = points[(i + 1) % points.size()];
            const double length = std::hypot(b.X - a.X, b.Y - a.Y);
            if (length > 0) {
                const double nx = -(b.Y - a.Y) / length * half, ny = (b.X - a.X) / length * half;
                if (add({{a.X + nx, a.Y + ny}, {b.X + nx, b.Y + ny}, {b.X - nx, b.Y - ny}, {a.X - nx, a.Y - ny}}))
                    return;
            }
        }
        if (pieces.size() >= StrokeBatch) {
            Fill(pieces, FillRule::Winding, paint);
            pieces.clear();
        }
    }
    Fill(pieces, FillRule::Winding, paint);
}

void Raster::Pixel(std::int32_t x, std::int32_t y, TColor color)
{
    Plot(x, y, color);
}

void Raster::Picture(const TDib& dib, double srcX, double srcY, double srcWidth, double srcHeight, double destX,
                     double destY, double destWidth, double destHeight)
{
    if (dib.Empty() || destWidth == 0 || destHeight == 0)
        return;
    const double left = std::min(destX, destX + destWidth), right = std::max(destX, destX + destWidth);
    const double top = std::min(destY, destY + destHeight), bottom = std::max(destY, destY + destHeight);
    if (!std::isfinite(left + right + top + bottom + srcX + srcY + srcWidth + srcHeight))
        return;
    const auto x0 = static_cast<std::int32_t>(std::clamp(std::ceil(left - 0.5), double(clip_.Left), double(clip_.Right)));
    const auto x1 = static_cast<std::int32_t>(std::clamp(std::ceil(right - 0.5), double(clip_.Left), double(clip_.Right)));
    const auto y0 = static_cast<std::int32_t>(std::clamp(std::ceil(top - 0.5), double(clip_.Top), double(clip_.Bottom)));
    const auto y1 = static_cast<std::int32_t>(std::clamp(std::ceil(bottom - 0.5), double(clip_.Top), double(clip_.Bottom)));
    const int savedRop = rop2_;
    rop2_ = 13;  // pictures are copied
    for (std::int32_t y = y0; y < y1; ++y) {
        const double sy = std::floor(srcY + (y + 0.5 - destY) / destHeight * srcHeight);
        if (sy < 0 || sy >= dib.Height)
            continue;
        for (std::int32_t x = x0; x < x1; ++x) {
            const double sx = std::floor(srcX + (x + 0.5 - destX) / destWidth * srcWidth);
            if (sx < 0 || sx >= dib.Width)
                continue;
            Plot(x, y, ReadDibPixel(dib, static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy)));
        }
    }
    rop2_ = savedRop;
}

}  // namespace metafile
