#include "tests/contrast_tab/OverlayModel.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"

template <class Paint>
void OverlayModel::ForEachPixel(TRect r, Paint paint)
{
    // Right and bottom edges are exclusive: the outline runs along columns Left and Right − 1 and
    // rows Top and Bottom − 1.
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, Height); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, Width); ++x) {
            const bool outline = x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1;
            paint(pixels_[y * Width + x], outline);
        }
}

void OverlayModel::CopyRectangle(TRect r, TColor pen)
{
    ForEachPixel(r, [pen](TColor& pixel, bool outline) { pixel = outline ? pen : clWhite; });
}

void OverlayModel::NotXorRectangle(TRect r, TColor pen)
{
    ForEachPixel(r, [pen](TColor& pixel, bool outline) {
        if (outline)
            pixel = ~(pen ^ pixel) & 0xFFFFFF;
    });
}

::testing::AssertionResult OverlayModel::Matches(TImage* overlay) const
{
    auto* bitmap = dynamic_cast<TBitmap*>(overlay->Picture()->Graphic());
    int mismatches = 0;
    ::testing::Message first;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const TColor actual = bitmap != nullptr ? bitmap->Canvas().Pixel(x, y) : clWhite;
            const TColor expected = pixels_[y * Width + x];
            if (actual != expected && mismatches++ == 0)
                first << std::hex << "first at (" << std::dec << x << ", " << y << "): 0x" << std::hex << actual
                      << " instead of 0x" << expected;
        }
    if (mismatches == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << mismatches << " pixels differ; " << first;
}
