#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DibPixels.h"

namespace {

constexpr TColor RgbMask = 0xFFFFFF;

TColor ApplyMode(TPenMode mode, TColor pen, TColor pixel)
{
    switch (mode) {
    case TPenMode::pmBlack: return 0;
    case TPenMode::pmWhite: return RgbMask;
    case TPenMode::pmNop: return pixel;
    case TPenMode::pmNot: return ~pixel & RgbMask;
    case TPenMode::pmCopy: return pen;
    case TPenMode::pmNotCopy: return ~pen & RgbMask;
    case TPenMode::pmMergePenNot: return (pen | ~pixel) & RgbMask;
    case TPenMode::pmMaskPenNot: return pen & ~pixel & RgbMask;
    case TPenMode::pmMergeNotPen: return (~pen | pixel) & RgbMask;
    case TPenMode::pmMaskNotPen: return ~pen & pixel & RgbMask;
    case TPenMode::pmMerge: return pen | pixel;
    case TPenMode::pmNotMerge: return ~(pen | pixel) & RgbMask;
    case TPenMode::pmMask: return pen & pixel;
    case TPenMode::pmNotMask: return ~(pen & pixel) & RgbMask;
    case TPenMode::pmXor: return pen ^ pixel;
    case TPenMode::pmNotXor: return ~(pen ^ pixel) & RgbMask;
    }
    return pixel;
}

bool IgnoresPixel(TPenMode mode)
{
    return mode == TPenMode::pmBlack || mode == TPenMode::pmWhite || mode == TPenMode::pmCopy ||
           mode == TPenMode::pmNotCopy;
}

// True when drawing color in this mode leaves every pixel as it was (a white brush in not-xor
// mode, as a rubber band is drawn). The modes work bit by bit, so all-clear and all-set pixels
// coming back unchanged means every pixel does.
bool LeavesPixelsUnchanged(TPenMode mode, TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return ApplyMode(mode, rgb, 0) == 0 && ApplyMode(mode, rgb, RgbMask) == RgbMask;
}

// Writes pixels of one colour in one mode. On an indexed store each result colour is mapped to its
// nearest palette entry; the last mapping is remembered because runs of one colour are the rule.
class Plotter {
public:
    Plotter(TDib& dib, TColor color, TPenMode mode) : dib_(dib), color_(ColorToRGB(color)), mode_(mode)
    {
        if (IgnoresPixel(mode_))
            fixedValue_ = Encode(ApplyMode(mode_, color_, 0));
    }

    void Plot(std::int32_t x, std::int32_t y)
    {
        if (IgnoresPixel(mode_)) {
            WriteDibPixel(dib_, x, y, fixedValue_);
            return;
        }
        const TColor old = ReadDibPixel(dib_, x, y);
        const TColor result = ApplyMode(mode_, color_, old);
        if (result != old)  // keeps the stored index where the colour doesn't change
            WriteDibPixel(dib_, x, y, Encode(result));
    }

    // Columns x0..x1-1 of row y.
    void PlotRow(std::int32_t y, std::int32_t x0, std::int32_t x1)
    {
        if (IgnoresPixel(mode_)) {
            FillDibRow(dib_, y, x0, x1, fixedValue_);
            return;
        }
        for (std::int32_t x = x0; x < x1; ++x)
            Plot(x, y);
    }

    // Columns x0..x1-1 of rows y0..y1-1. A fixed colour gives every row the same bytes, so on a
    // store of whole-byte pixels the first row is filled and copied down (a graph is cleared at
    // every profile).
    void PlotRows(std::int32_t y0, std::int32_t y1, std::int32_t x0, std::int32_t x1)
    {
        if (y0 >= y1 || x0 >= x1)
            return;
        PlotRow(y0, x0, x1);
        const int bits = BitsPerPixel(dib_.PixelFormat);
        if (!IgnoresPixel(mode_) || bits == 0 || bits % 8 != 0) {
            for (std::int32_t y = y0 + 1; y < y1; ++y)
                PlotRow(y, x0, x1);
            return;
        }
        const std::size_t offset = static_cast<std::size_t>(x0) * static_cast<std::size_t>(bits / 8);
        const std::size_t length = static_cast<std::size_t>(x1 - x0) * static_cast<std::size_t>(bits / 8);
        for (std::int32_t y = y0 + 1; y < y1; ++y)
            std::memcpy(dib_.Row(y) + offset, dib_.Row(y0) + offset, length);
    }

private:
    std::uint32_t Encode(TColor color)
    {
        if (!cached_ || color != cachedColor_) {
            cachedColor_ = color;
            cachedValue_ = EncodeDibColor(dib_, color);
            cached_ = true;
        }
        return cachedValue_;
    }

    TDib& dib_;
    TColor color_;
    TPenMode mode_;
    std::uint32_t fixedValue_ = 0;
    bool cached_ = false;
    TColor cachedColor_ = 0;
    std::uint32_t cachedValue_ = 0;
};

struct Point64 {
    std::int64_t X, Y;
};

// ceil(numerator / denominator) for a positive denominator.
std::int64_t CeilDiv(__int128 numerator, __int128 denominator)
{
    const __int128 q = numerator / denominator;  // truncates toward zero
    return static_cast<std::int64_t>(numerator > 0 && q * denominator != numerator ? q + 1 : q);
}

// The first k in [lo, hi] for which pred holds, pred being false up to some k and true from there
// on; hi + 1 when it never holds.
template <class Pred>
std::int64_t FirstTrue(std::int64_t lo, std::int64_t hi, Pred pred)
{
    std::int64_t end = hi + 1;
    while (lo < end) {
        const std::int64_t mid = lo + (end - lo) / 2;
        if (pred(mid))
            end = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// One segment by the cosmetic pen's rule: pixel k (0 <= k < N) lies at major = start + k*sign and
// minor = start + ceil((2*k*d - N) / (2*N)), which picks the pixel nearest the ideal line and, on a
// tie, the smaller coordinate whatever the direction. Only the k whose pixels fall inside the
// width x height area are visited: both coordinates are monotonic in k, so the visible k form one
// range, found arithmetically for the major axis and by bisection for the minor one.
void RasterLine(Point64 from, Point64 to, std::int64_t width, std::int64_t height, Plotter& plotter)
{
    const std::int64_t dx = to.X - from.X, dy = to.Y - from.Y;
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
    const std::int64_t majorStart = xMajor ? from.X : from.Y, minorStart = xMajor ? from.Y : from.X;
    const std::int64_t majorDelta = xMajor ? dx : dy, d = xMajor ? dy : dx;
    const std::int64_t majorLimit = xMajor ? width : height, minorLimit = xMajor ? height : width;
    const std::int64_t n = majorDelta < 0 ? -majorDelta : majorDelta;
    const std::int64_t sign = majorDelta < 0 ? -1 : 1;

    std::int64_t kLo = 0, kHi = n - 1;
    if (sign > 0) {
        kLo = std::max(kLo, -majorStart);
        kHi = std::min(kHi, majorLimit - 1 - majorStart);
    } else {
        kLo = std::max(kLo, majorStart - (majorLimit - 1));
        kHi = std::min(kHi, majorStart);
    }
    if (kLo > kHi)
        return;

    const auto minorAt = [&](std::int64_t k) {
        return minorStart + CeilDiv(2 * static_cast<__int128>(k) * d - n, 2 * static_cast<__int128>(n));
    };
    std::int64_t first = kLo, last = kHi;
    const std::int64_t minorEnd = xMajor ? to.Y : to.X;
    const bool minorInside = minorStart >= 0 && minorStart < minorLimit && minorEnd >= 0 && minorEnd < minorLimit;
    if (!minorInside) {  // the minor coordinate runs monotonically from minorStart towards minorEnd
        if (d >= 0) {
            first = FirstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) >= 0; });
            last = FirstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) >= minorLimit; }) - 1;
        } else {
            first = FirstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) < minorLimit; });
            last = FirstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) < 0; }) - 1;
        }
    }
    if (first > last)
        return;
    // From pixel to pixel the minor offset ceil(num / den), num = 2·k·d − n, den = 2·n, is stepped
    // with its remainder num − offset·den kept in (−den, 0]: |2·d| <= den, so each step moves the
    // offset by at most one, and no division is needed past the first pixel.
    const std::int64_t den = 2 * n;
    const __int128 num = 2 * static_cast<__int128>(first) * d - n;
    std::int64_t offset = CeilDiv(num, den);
    std::int64_t remainder = static_cast<std::int64_t>(num - static_cast<__int128>(offset) * den);
    for (std::int64_t k = first; k <= last; ++k) {
        const auto major = static_cast<std::int32_t>(majorStart + k * sign);
        const auto minor = static_cast<std::int32_t>(minorStart + offset);
        if (xMajor)
            plotter.Plot(major, minor);
        else
            plotter.Plot(minor, major);
        remainder += 2 * d;
        if (remainder > 0) {
            remainder -= den;
            ++offset;
        } else if (remainder <= -den) {
            remainder += den;
            --offset;
        }
    }
}

// Columns left..right-1 and rows top..bottom-1, clipped to the store.
void RasterFill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, std::int64_t width,
                std::int64_t height, Plotter& plotter)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min(right, width);
    bottom = std::min(bottom, height);
    if (left >= right || top >= bottom)
        return;
    plotter.PlotRows(static_cast<std::int32_t>(top), static_cast<std::int32_t>(bottom), static_cast<std::int32_t>(left),
                     static_cast<std::int32_t>(right));
}

std::int32_t Saturate(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

bool SameColourLayout(const TDib& a, const TDib& b)
{
    return a.PixelFormat == b.PixelFormat &&
           (a.PixelFormat == TPixelFormat::pf24bit || a.PixelFormat == TPixelFormat::pf32bit ||
            (a.PixelFormat == TPixelFormat::pf8bit && a.Palette == b.Palette));
}

}  // namespace

TColor TCanvas::Pixel(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || y < 0 || x >= target_.Width() || y >= target_.Height())
        return InvalidColor;
    return target_.PixelAt(x, y);
}

void TCanvas::SetPixel(std::int32_t x, std::int32_t y, TColor color)
{
    if (x >= 0 && y >= 0 && x < target_.Width() && y < target_.Height())
        target_.SetPixelAt(x, y, ColorToRGB(color));
    target_.CanvasChanged();
}

void TCanvas::MoveTo(std::int32_t x, std::int32_t y) { penPos_ = {x, y}; }

void TCanvas::LineTo(std::int32_t x, std::int32_t y)
{
    TDib& dib = target_.MutableDib();
    Plotter plotter(dib, Pen.Color, Pen.Mode);
    RasterLine({penPos_.X, penPos_.Y}, {x, y}, dib.Width, dib.Height, plotter);
    penPos_ = {x, y};
    target_.CanvasChanged();
}

void TCanvas::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (left != right && top != bottom) {
        TDib& dib = target_.MutableDib();
        const std::int64_t l = left, t = top, r = std::int64_t{right} - 1, b = std::int64_t{bottom} - 1;
        Plotter pen(dib, Pen.Color, Pen.Mode);
        RasterLine({l, t}, {r, t}, dib.Width, dib.Height, pen);
        RasterLine({r, t}, {r, b}, dib.Width, dib.Height, pen);
        RasterLine({r, b}, {l, b}, dib.Width, dib.Height, pen);
        RasterLine({l, b}, {l, t}, dib.Width, dib.Height, pen);
        if (!LeavesPixelsUnchanged(Pen.Mode, Brush.Color)) {
            Plotter brush(dib, Brush.Color, Pen.Mode);
            RasterFill(l + 1, t + 1, r, b, dib.Width, dib.Height, brush);
        }
    }
    target_.CanvasChanged();
}

void TCanvas::FillRect(const TRect& r)
{
    TDib& dib = target_.MutableDib();
    Plotter brush(dib, Brush.Color, TPenMode::pmCopy);
    RasterFill(r.Left, r.Top, r.Right, r.Bottom, dib.Width, dib.Height, brush);
    target_.CanvasChanged();
}

void TCanvas::Draw(std::int32_t x, std::int32_t y, TGraphic& graphic)
{
    const TRect r{x, y, Saturate(std::int64_t{x} + graphic.Width()), Saturate(std::int64_t{y} + graphic.Height())};
    graphic.Draw(*this, r);
    target_.CanvasChanged();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic& graphic)
{
    graphic.Draw(*this, r);
    target_.CanvasChanged();
}

void TCanvas::StretchDrawDib(const TRect& r, const TDib& source)
{
    TDib& dib = target_.MutableDib();
    if (&source == &dib) {  // drawing a bitmap onto itself reads the picture as it was
        const TDib copy = source;
        StretchDrawDib(r, copy);
        return;
    }
    const std::int64_t destWidth = std::int64_t{r.Right} - r.Left, destHeight = std::int64_t{r.Bottom} - r.Top;
    if (destWidth <= 0 || destHeight <= 0 || source.Empty())
        return;
    const std::int64_t x0 = std::max<std::int64_t>(r.Left, 0), x1 = std::min<std::int64_t>(r.Right, dib.Width);
    const std::int64_t y0 = std::max<std::int64_t>(r.Top, 0), y1 = std::min<std::int64_t>(r.Bottom, dib.Height);
    if (x0 >= x1 || y0 >= y1)
        return;
    const bool unscaled = destWidth == source.Width && destHeight == source.Height;
    const std::int64_t bytesPerPixel = BitsPerPixel(source.PixelFormat) / 8;
    if (unscaled && SameColourLayout(source, dib)) {
        for (std::int64_t y = y0; y < y1; ++y)
            std::memcpy(dib.Row(static_cast<std::int32_t>(y)) + x0 * bytesPerPixel,
                        source.Row(static_cast<std::int32_t>(y - r.Top)) + (x0 - r.Left) * bytesPerPixel,
                        static_cast<std::size_t>((x1 - x0) * bytesPerPixel));
        return;
    }
    TColor lastColor = 0;
    std::uint32_t lastValue = EncodeDibColor(dib, lastColor);
    for (std::int64_t y = y0; y < y1; ++y) {
        const auto sy = static_cast<std::int32_t>((y - r.Top) * source.Height / destHeight);
        for (std::int64_t x = x0; x < x1; ++x) {
            const auto sx = static_cast<std::int32_t>((x - r.Left) * source.Width / destWidth);
            const TColor color = ReadDibPixel(source, sx, sy);
            if (color != lastColor) {
                lastColor = color;
                lastValue = EncodeDibColor(dib, color);
            }
            WriteDibPixel(dib, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), lastValue);
        }
    }
}
