#pragma once
// What the contrast tab's overlay should hold, worked out independently of the canvas: a white
// 320 × 240 picture on which rectangles of at least 2 × 2 pixels are drawn by the rules of the
// 1-pixel pen and the white brush.
#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/Image.h"
#include "platform/graphics/Types.h"

class OverlayModel {
public:
    static constexpr int Width = 320;
    static constexpr int Height = 240;

    OverlayModel() : pixels_(Width * Height, clWhite) {}

    void Clear() { pixels_.assign(Width * Height, clWhite); }
    // Copy mode: the outline in the pen colour, the inside white.
    void CopyRectangle(TRect r, TColor pen);
    // Not-xor mode: each outline pixel becomes NOT (pen XOR pixel); the white brush changes nothing.
    void NotXorRectangle(TRect r, TColor pen);

    // Every pixel of the overlay as the model has it; an overlay without a picture counts as white.
    ::testing::AssertionResult Matches(TImage* overlay) const;

private:
    template <class Paint>
    void ForEachPixel(TRect r, Paint paint);

    std::vector<TColor> pixels_;
};
