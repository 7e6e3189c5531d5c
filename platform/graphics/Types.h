#pragma once
// Colours, points and rectangles of the class library.
#include <cstdint>

// 0x00BBGGRR; system colours (clBtnFace, clWindowText) carry 0xFF in the top byte and are resolved
// by the host.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clWindow = 0xFF000005;
// What a pixel read outside a picture returns.
inline constexpr TColor InvalidColor = 0xFFFFFFFF;

inline constexpr std::uint8_t GetRValue(TColor c) { return static_cast<std::uint8_t>(c); }
inline constexpr std::uint8_t GetGValue(TColor c) { return static_cast<std::uint8_t>(c >> 8); }
inline constexpr std::uint8_t GetBValue(TColor c) { return static_cast<std::uint8_t>(c >> 16); }
inline constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor{r} | (TColor{g} << 8) | (TColor{b} << 16);
}

// The RGB value a colour is drawn with: plain colours lose their top byte, system colours take the
// platform's default scheme (unknown ones black).
inline constexpr TColor ColorToRGB(TColor color)
{
    if ((color >> 24) != 0xFF)
        return color & 0xFFFFFF;
    switch (color & 0xFF) {
    case 5: return 0xFFFFFF;   // window
    case 13: return 0xD77800;  // highlight
    case 14: return 0xFFFFFF;  // highlighted text
    case 15: return 0xF0F0F0;  // button face
    case 16: return 0xA0A0A0;  // button shadow
    case 17: return 0x6D6D6D;  // grey text
    case 20: return 0xFFFFFF;  // button highlight
    default: return 0x000000;  // window text, button text and the rest
    }
}

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline constexpr TPoint Point(std::int32_t x, std::int32_t y) { return {x, y}; }
inline constexpr TRect Rect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) { return {l, t, r, b}; }
