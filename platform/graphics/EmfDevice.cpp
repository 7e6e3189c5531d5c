#include "platform/graphics/EmfDevice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace metafile {

namespace {

// Limits that keep a hostile metafile from filling memory: saved states, excluded clip
// rectangles and the points a path may gather.
constexpr std::size_t MaxSavedStates = 4096;
constexpr std::size_t MaxExcludedRects = 256;
constexpr std::size_t MaxPathPoints = std::size_t{1} << 22;
// A pen thinner than this many pixels draws as the one-pixel pen.
constexpr double ThinPenLimit = 1.5;
constexpr double Pi = std::numbers::pi;

bool AxisAligned(const Transform& t) { return t.M12 == 0 && t.M21 == 0; }

double Length(PointD v) { return std::hypot(v.X, v.Y); }

PointD Minus(PointD a, PointD b) { return {a.X - b.X, a.Y - b.Y}; }

std::int32_t ToPixel(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<std::int32_t>(std::clamp(std::floor(v + 0.5), -1e9, 1e9));
}

// The points in target pixels.
Figure Mapped(const Transform& map, const std::vector<PointD>& points)
{
    Figure figure;
    figure.reserve(points.size());
    for (const PointD& p : points)
        figure.push_back(map.Apply(p));
    return figure;
}

int CurveSteps(double pixels, double sweep)
{
    if (!std::isfinite(pixels) || !std::isfinite(sweep))
        return 16;
    const double full = std::clamp(std::ceil(pixels * 2), 16.0, 1024.0);
    return std::max(2, static_cast<int>(std::ceil(full * std::fabs(sweep) / (2 * Pi))));
}

}  // namespace

Transform Transform::Then(const Transform& n) const
{
    return {n.M11 * M11 + n.M21 * M12, n.M12 * M11 + n.M22 * M12, n.M11 * M21 + n.M21 * M22,
            n.M12 * M21 + n.M22 * M22, n.M11 * Dx + n.M21 * Dy + n.Dx, n.M12 * Dx + n.M22 * Dy + n.Dy};
}

bool Transform::Finite() const
{
    return std::isfinite(M11) && std::isfinite(M12) && std::isfinite(M21) && std::isfinite(M22) && std::isfinite(Dx) &&
           std::isfinite(Dy);
}

Device::Device(TBitmap& target, const TRect& rect, const Transform& referenceToTarget, PointD pixelsPerMillimetre)
    : raster_(target, rect), referenceToTarget_(referenceToTarget), pixelsPerMillimetre_(pixelsPerMillimetre)
{
    state_.Clip = raster_.Bounds();
}

void Device::Select(const Object& object)
{
    if (object.Type == Object::Kind::Pen)
        state_.CurrentPen = object.AsPen;
    else if (object.Type == Object::Kind::Brush)
        state_.CurrentBrush = object.AsBrush;
}

void Device::SaveState()
{
    if (saved_.size() < MaxSavedStates)
        saved_.push_back(state_);
}

void Device::RestoreState(std::int32_t which)
{
    std::size_t keep = 0;
    if (which < 0 && static_cast<std::size_t>(-std::int64_t{which}) <= saved_.size())
        keep = saved_.size() - static_cast<std::size_t>(-std::int64_t{which});
    else if (which > 0 && static_cast<std::size_t>(which) <= saved_.size())
        keep = static_cast<std::size_t>(which) - 1;
    else
        return;
    state_ = saved_[keep];
    saved_.resize(keep);
}

void Device::SetMapMode(int mode)
{
    if (mode >= MM_TEXT && mode <= MM_ANISOTROPIC)
        state_.MapMode = mode;
}

void Device::SetWindowExt(PointD extent)
{
    if (extent.X != 0 && extent.Y != 0 && std::isfinite(extent.X) && std::isfinite(extent.Y))
        state_.WindowExt = extent;
}

void Device::SetViewportExt(PointD extent)
{
    if (extent.X != 0 && extent.Y != 0 && std::isfinite(extent.X) && std::isfinite(extent.Y))
        state_.ViewportExt = extent;
}

void Device::SetWorldTransform(const Transform& world)
{
    if (world.Finite())
        state_.World = world;
}

PointD Device::PageScale() const
{
    const double mmX = pixelsPerMillimetre_.X, mmY = pixelsPerMillimetre_.Y;
    switch (state_.MapMode) {
    case MM_LOMETRIC: return {0.1 * mmX, -0.1 * mmY};
    case MM_HIMETRIC: return {0.01 * mmX, -0.01 * mmY};
    case MM_LOENGLISH: return {0.254 * mmX, -0.254 * mmY};
    case MM_HIENGLISH: return {0.0254 * mmX, -0.0254 * mmY};
    case MM_TWIPS: return {25.4 / 1440 * mmX, -25.4 / 1440 * mmY};
    case MM_ISOTROPIC: {
        const double sx = state_.ViewportExt.X / state_.WindowExt.X, sy = state_.ViewportExt.Y / state_.WindowExt.Y;
        const double scale = std::min(std::fabs(sx), std::fabs(sy));
        return {std::copysign(scale, sx), std::copysign(scale, sy)};
    }
    case MM_ANISOTROPIC: return {state_.ViewportExt.X / state_.WindowExt.X, state_.ViewportExt.Y / state_.WindowExt.Y};
    default: return {1, 1};
    }
}

Transform Device::LogicalToTarget() const
{
    const PointD scale = PageScale();
    const Transform page{scale.X, 0, 0, scale.Y, state_.ViewportOrg.X - state_.WindowOrg.X * scale.X,
                         state_.ViewportOrg.Y - state_.WindowOrg.Y * scale.Y};
    return state_.World.Then(page).Then(referenceToTarget_);
}

PointD Device::ToTarget(PointD logical) const
{
    return LogicalToTarget().Apply(logical);
}

void Device::ApplyClip()
{
    raster_.SetClip(state_.Clip);
    raster_.SetRop2(state_.Rop2);
}

Device::Box Device::TargetBox(PointD a, PointD b) const
{
    const Transform map = LogicalToTarget();
    if (AxisAligned(map)) {
        const PointD p = map.Apply(a), q = map.Apply(b);
        double left = std::min(p.X, q.X), right = std::max(p.X, q.X);
        double top = std::min(p.Y, q.Y), bottom = std::max(p.Y, q.Y);
        left = ToPixel(left), right = ToPixel(right), top = ToPixel(top), bottom = ToPixel(bottom);
        if (right > left)
            right -= 1;
        if (bottom > top)
            bottom -= 1;
        return {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
    }
    return {{map.Apply(a), map.Apply({b.X, a.Y}), map.Apply(b), map.Apply({a.X, b.Y})}};
}

std::vector<PointD> Device::EllipseArc(const Box& box, double from, double sweep) const
{
    const PointD centre{(box.Corner[0].X + box.Corner[2].X) / 2, (box.Corner[0].Y + box.Corner[2].Y) / 2};
    const PointD u{(box.Corner[1].X - box.Corner[0].X) / 2, (box.Corner[1].Y - box.Corner[0].Y) / 2};
    const PointD v{(box.Corner[3].X - box.Corner[0].X) / 2, (box.Corner[3].Y - box.Corner[0].Y) / 2};
    const int steps = CurveSteps(Length(u) + Length(v), sweep);
    std::vector<PointD> points;
    for (int i = 0; i <= steps; ++i) {
        const double angle = from + sweep * i / steps;
        // Growing angles turn from the box's right towards its top: counterclockwise on screen.
        points.push_back({centre.X + u.X * std::cos(angle) - v.X * std::sin(angle),
                          centre.Y + u.Y * std::cos(angle) - v.Y * std::sin(angle)});
    }
    return points;
}

void Device::IntersectClip(PointD a, PointD b)
{
    const Transform map = LogicalToTarget();
    const PointD p = map.Apply(a), q = map.Apply(b);
    if (!std::isfinite(p.X + p.Y + q.X + q.Y))
        return;
    ClipArea& clip = state_.Clip;
    clip.Left = std::max(clip.Left, ToPixel(std::min(p.X, q.X)));
    clip.Right = std::min(clip.Right, ToPixel(std::max(p.X, q.X)));
    clip.Top = std::max(clip.Top, ToPixel(std::min(p.Y, q.Y)));
    clip.Bottom = std::min(clip.Bottom, ToPixel(std::max(p.Y, q.Y)));
}

void Device::ExcludeClip(PointD a, PointD b)
{
    const Transform map = LogicalToTarget();
    const PointD p = map.Apply(a), q = map.Apply(b);
    if (!std::isfinite(p.X + p.Y + q.X + q.Y) || state_.Clip.Excluded.size() >= MaxExcludedRects)
        return;
    state_.Clip.Excluded.push_back(TRect{ToPixel(std::min(p.X, q.X)), ToPixel(std::min(p.Y, q.Y)),
                                         ToPixel(std::max(p.X, q.X)), ToPixel(std::max(p.Y, q.Y))});
}

void Device::ResetClip()
{
    state_.Clip = raster_.Bounds();
}

void Device::SetClipToReference(PointD a, PointD b)
{
    const PointD p = referenceToTarget_.Apply(a), q = referenceToTarget_.Apply(b);
    if (!std::isfinite(p.X + p.Y + q.X + q.Y))
        return;
    ResetClip();
    ClipArea& clip = state_.Clip;
    clip.Left = std::max(clip.Left, ToPixel(std::min(p.X, q.X)));
    clip.Right = std::min(clip.Right, ToPixel(std::max(p.X, q.X)));
    clip.Top = std::max(clip.Top, ToPixel(std::min(p.Y, q.Y)));
    clip.Bottom = std::min(clip.Bottom, ToPixel(std::max(p.Y, q.Y)));
}

void Device::Stroke(const Shape& shape)
{
    const Pen& pen = state_.CurrentPen;
    if ((pen.Style & PS_STYLE_MASK) == PS_NULL)
        return;
    const Transform map = LogicalToTarget();
    const double scale = std::sqrt(std::fabs(map.M11 * map.M22 - map.M12 * map.M21));
    const double width = pen.Cosmetic ? 0 : pen.Width * scale;
    ApplyClip();
    for (std::size_t f = 0; f < shape.Figures.size(); ++f) {
        const Figure& figure = shape.Figures[f];
        const bool closed = shape.Closed[f];
        if (std::isfinite(width) && width >= ThinPenLimit) {
            raster_.WideStroke(figure, closed, width, pen.Color);
            continue;
        }
        for (std::size_t i = 0; i + 1 < figure.size(); ++i)
            raster_.ThinLine(figure[i], figure[i + 1], pen.Color);
        if (closed && figure.size() > 2)
            raster_.ThinLine(figure.back(), figure.front(), pen.Color);
    }
}

void Device::FillShape(const Shape& shape)
{
    const Brush& brush = state_.CurrentBrush;
    Paint paint;
    switch (brush.Style) {
    case BS_NULL: return;
    case BS_HATCHED:
        paint.Style = Paint::Kind::Hatch;
        paint.Hatch = brush.Hatch;
        paint.OpaqueBackground = state_.BackgroundMode == OPAQUE;
        paint.Background = state_.BackgroundColor;
        break;
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
        if (brush.Pattern && !brush.Pattern->Empty()) {
            paint.Style = Paint::Kind::Pattern;
            paint.Pattern = brush.Pattern;
        }
        break;
    default: break;
    }
    paint.Color = brush.Color;
    ApplyClip();
    raster_.Fill(shape.Figures, state_.FillMode == WINDING ? FillRule::Winding : FillRule::Alternate, paint);
}

bool Device::PathHasRoom(std::size_t points)
{
    if (points > MaxPathPoints - pathPoints_)
        return false;
    pathPoints_ += points;
    return true;
}

void Device::AddToPath(const Shape& shape)
{
    for (std::size_t f = 0; f < shape.Figures.size(); ++f) {
        if (!PathHasRoom(shape.Figures[f].size()))
            return;
        path_.Figures.push_back(shape.Figures[f]);
        path_.Closed.push_back(shape.Closed[f]);
    }
    figureOpen_ = false;
}

void Device::Track(PointD p)
{
    if (!std::isfinite(p.X) || !std::isfinite(p.Y))
        return;
    if (!tracked_) {
        extent_[0] = extent_[2] = p.X;
        extent_[1] = extent_[3] = p.Y;
        tracked_ = true;
        return;
    }
    extent_[0] = std::min(extent_[0], p.X);
    extent_[1] = std::min(extent_[1], p.Y);
    extent_[2] = std::max(extent_[2], p.X);
    extent_[3] = std::max(extent_[3], p.Y);
}

bool Device::Extent(double (&box)[4]) const
{
    std::copy(extent_, extent_ + 4, box);
    return tracked_;
}

void Device::Draw(const Shape& shape, bool fill)
{
    if (tracking_) {
        for (const Figure& figure : shape.Figures)
            std::for_each(figure.begin(), figure.end(), [this](PointD p) { Track(p); });
        return;
    }
    if (recordingPath_) {
        AddToPath(shape);
        return;
    }
    if (fill)
        FillShape(shape);
    Stroke(shape);
}

void Device::MoveTo(PointD p)
{
    state_.Position = p;
    if (recordingPath_) {
        figureOpen_ = false;
        AddToPath({{{ToTarget(p)}}, {false}});
        figureOpen_ = true;
    }
}

void Device::PolylineTo(const std::vector<PointD>& points)
{
    if (points.empty())
        return;
    const Transform map = LogicalToTarget();
    if (recordingPath_) {
        if (!figureOpen_)
            MoveTo(state_.Position);
        if (!path_.Figures.empty() && PathHasRoom(points.size()))
            for (const PointD& p : points)
                path_.Figures.back().push_back(map.Apply(p));
        state_.Position = points.back();
        return;
    }
    Figure figure;
    figure.reserve(points.size() + 1);
    figure.push_back(map.Apply(state_.Position));
    for (const PointD& p : points)
        figure.push_back(map.Apply(p));
    state_.Position = points.back();
    Draw({{figure}, {false}}, false);
}

void Device::LineTo(PointD p)
{
    PolylineTo({p});
}

void Device::Polyline(const std::vector<PointD>& points)
{
    Draw({{Mapped(LogicalToTarget(), points)}, {false}}, false);
}

void Device::Polygons(const std::vector<std::vector<PointD>>& polygons)
{
    const Transform map = LogicalToTarget();
    Shape shape;
    for (const auto& polygon : polygons) {
        shape.Figures.push_back(Mapped(map, polygon));
        shape.Closed.push_back(true);
    }
    Draw(shape, true);
}

void Device::PolyBezier(const std::vector<PointD>& points, bool fromPosition)
{
    std::vector<PointD> controls;
    if (fromPosition)
        controls.push_back(state_.Position);
    controls.insert(controls.end(), points.begin(), points.end());
    if (controls.size() < 4)
        return;
    const Transform map = LogicalToTarget();
    // A segment takes 4 to 64 steps by its length. So many segments that they would pass the limit
    // of a path's points take fewer each, at least one (their end point).
    const std::size_t segments = (controls.size() - 1) / 3;
    const double mostSteps = std::clamp(static_cast<double>(MaxPathPoints / segments), 1.0, 64.0);
    const double leastSteps = std::min(4.0, mostSteps);
    std::vector<PointD> flat;
    flat.reserve(1 + segments * static_cast<std::size_t>(mostSteps));
    flat.push_back(controls[0]);
    for (std::size_t i = 0; i + 3 < controls.size(); i += 3) {
        const PointD p0 = controls[i], p1 = controls[i + 1], p2 = controls[i + 2], p3 = controls[i + 3];
        const double pixels = Length(Minus(map.Apply(p1), map.Apply(p0))) + Length(Minus(map.Apply(p2), map.Apply(p1))) +
                              Length(Minus(map.Apply(p3), map.Apply(p2)));
        const int steps = static_cast<int>(std::clamp(std::isfinite(pixels) ? pixels / 4 : 1.0, leastSteps, mostSteps));
        for (int s = 1; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps, r = 1 - t;
            flat.push_back({r * r * r * p0.X + 3 * r * r * t * p1.X + 3 * r * t * t * p2.X + t * t * t * p3.X,
                            r * r * r * p0.Y + 3 * r * r * t * p1.Y + 3 * r * t * t * p2.Y + t * t * t * p3.Y});
        }
    }
    if (fromPosition) {
        flat.erase(flat.begin());
        PolylineTo(flat);
    } else {
        Polyline(flat);
    }
}

void Device::Rectangle(PointD a, PointD b)
{
    const Box box = TargetBox(a, b);
    Draw({{Figure(box.Corner, box.Corner + 4)}, {true}}, true);
}

void Device::RoundRect(PointD a, PointD b, PointD corner)
{
    const Box box = TargetBox(a, b);
    const double width = std::fabs(b.X - a.X), height = std::fabs(b.Y - a.Y);
    if (width == 0 || height == 0)
        return;
    // The corners' ellipses in box coordinates (0..1 across the box), at most the whole box.
    const double rx = std::min(std::fabs(corner.X) / width, 1.0) / 2, ry = std::min(std::fabs(corner.Y) / height, 1.0) / 2;
    const PointD origin = box.Corner[0], across = Minus(box.Corner[1], box.Corner[0]), down = Minus(box.Corner[3], box.Corner[0]);
    const auto at = [&](double s, double t) {
        return PointD{origin.X + s * across.X + t * down.X, origin.Y + s * across.Y + t * down.Y};
    };
    const int steps = CurveSteps((Length(across) * rx + Length(down) * ry) * 2, Pi / 2);
    const struct { double cs, ct, start; } corners[] = {
        {1 - rx, ry, 0}, {rx, ry, Pi / 2}, {rx, 1 - ry, Pi}, {1 - rx, 1 - ry, 3 * Pi / 2}};
    Figure figure;
    for (const auto& c : corners)
        for (int i = 0; i <= steps; ++i) {
            const double angle = c.start + Pi / 2 * i / steps;
            figure.push_back(at(c.cs + rx * std::cos(angle), c.ct - ry * std::sin(angle)));
        }
    Draw({{figure}, {true}}, true);
}

void Device::Ellipse(PointD a, PointD b)
{
    const Box box = TargetBox(a, b);
    std::vector<PointD> points = EllipseArc(box, 0, 2 * Pi);
    points.pop_back();  // the last point repeats the first
    Draw({{points}, {true}}, true);
}

void Device::ArcShape(ArcKind kind, PointD a, PointD b, PointD start, PointD end)
{
    const Box box = TargetBox(a, b);
    const PointD centre{(box.Corner[0].X + box.Corner[2].X) / 2, (box.Corner[0].Y + box.Corner[2].Y) / 2};
    const PointD u{(box.Corner[1].X - box.Corner[0].X) / 2, (box.Corner[1].Y - box.Corner[0].Y) / 2};
    const PointD v{(box.Corner[3].X - box.Corner[0].X) / 2, (box.Corner[3].Y - box.Corner[0].Y) / 2};
    // The angle of a radial point: p - centre = u cos(angle) - v sin(angle), solved for the angle.
    const double determinant = -u.X * v.Y + v.X * u.Y;
    if (determinant == 0 || !std::isfinite(determinant))
        return;
    const auto angleOf = [&](PointD logical) {
        const PointD d = Minus(ToTarget(logical), centre);
        const double c = (-v.Y * d.X + v.X * d.Y) / determinant, s = (-u.Y * d.X + u.X * d.Y) / determinant;
        return std::atan2(s, c);
    };
    const double from = angleOf(start), to = angleOf(end);
    if (!std::isfinite(from) || !std::isfinite(to))
        return;
    double sweep = to - from;
    if (state_.Clockwise) {
        if (sweep >= 0)
            sweep -= 2 * Pi;
    } else if (sweep <= 0) {
        sweep += 2 * Pi;
    }
    std::vector<PointD> points = EllipseArc(box, from, sweep);
    if (kind == ArcKind::Arc) {
        Draw({{points}, {false}}, false);
        return;
    }
    if (kind == ArcKind::Pie)
        points.push_back(centre);
    Draw({{points}, {true}}, true);
}

void Device::SetPixel(PointD p, TColor color)
{
    if (recordingPath_)
        return;
    const PointD t = ToTarget(p);
    if (!std::isfinite(t.X + t.Y))
        return;
    if (tracking_) {
        Track(t);
        return;
    }
    raster_.SetClip(state_.Clip);
    raster_.SetRop2(13);
    raster_.Pixel(ToPixel(t.X), ToPixel(t.Y), color);
}

void Device::FillWithBrush(PointD a, PointD b)
{
    if (recordingPath_)
        return;
    const PointD p = ToTarget(a), q = ToTarget(b);
    if (tracking_) {
        Track(p);
        Track(q);
        return;
    }
    FillShape({{{{p.X, p.Y}, {q.X, p.Y}, {q.X, q.Y}, {p.X, q.Y}}}, {true}});
}

void Device::FillWithColour(PointD a, PointD b, TColor color)
{
    const Brush saved = state_.CurrentBrush;
    state_.CurrentBrush = Brush{BS_SOLID, color, 0, nullptr};
    FillWithBrush(a, b);
    state_.CurrentBrush = saved;
}

void Device::Picture(const TDib& dib, double srcX, double srcY, double srcWidth, double srcHeight, PointD destA,
                     PointD destB)
{
    if (recordingPath_)
        return;
    const PointD p = ToTarget(destA), q = ToTarget(destB);
    if (tracking_) {
        Track(p);
        Track(q);
        return;
    }
    raster_.SetClip(state_.Clip);
    raster_.Picture(dib, srcX, srcY, srcWidth, srcHeight, p.X, p.Y, q.X - p.X, q.Y - p.Y);
}

void Device::BeginPath()
{
    recordingPath_ = true;
    path_ = {};
    pathPoints_ = 0;
    figureOpen_ = false;
}

void Device::EndPath()
{
    recordingPath_ = false;
    figureOpen_ = false;
}

void Device::AbortPath()
{
    recordingPath_ = false;
    path_ = {};
    pathPoints_ = 0;
    figureOpen_ = false;
}

void Device::CloseFigure()
{
    if (recordingPath_ && !path_.Closed.empty()) {
        path_.Closed.back() = true;
        figureOpen_ = false;
    }
}

void Device::FillPath()
{
    if (recordingPath_ || tracking_)
        return;
    FillShape(path_);
    path_ = {};
}

void Device::StrokePath()
{
    if (recordingPath_ || tracking_)
        return;
    Stroke(path_);
    path_ = {};
}

void Device::StrokeAndFillPath()
{
    if (recordingPath_ || tracking_)
        return;
    FillShape(path_);
    Stroke(path_);
    path_ = {};
}

}  // namespace metafile
