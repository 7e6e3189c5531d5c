#pragma once
// Fonts of the window model. Height follows the original platform: negative values give the height
// of the characters in pixels (what the layout states), positive ones the height of the whole cell.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/graphics/Types.h"

inline constexpr std::uint8_t ANSI_CHARSET = 0;
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t SHIFTJIS_CHARSET = 128;

enum class TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    std::int32_t Height() const { return height_; }
    void SetHeight(std::int32_t value);
    // Characters' height in pixels whatever the sign convention (what a host asks its toolkit for).
    std::int32_t PixelHeight() const { return height_ < 0 ? -height_ : height_; }
    std::uint8_t Charset() const { return charset_; }
    void SetCharset(std::uint8_t value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    std::uint8_t Style() const { return style_; }  // or-ed TFontStyle bits
    void SetStyle(std::uint8_t value);
    bool HasStyle(TFontStyle style) const { return (style_ & static_cast<std::uint8_t>(style)) != 0; }

    // Copies every attribute; OnChange runs once when anything differed.
    void Assign(const TFont& source);
    friend bool operator==(const TFont& a, const TFont& b)
    {
        return a.name_ == b.name_ && a.height_ == b.height_ && a.charset_ == b.charset_ && a.color_ == b.color_ &&
               a.style_ == b.style_;
    }

    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_ = "ＭＳ Ｐゴシック";
    std::int32_t height_ = -12;
    std::uint8_t charset_ = SHIFTJIS_CHARSET;
    TColor color_ = clWindowText;
    std::uint8_t style_ = 0;
};
