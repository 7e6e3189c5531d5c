#include "platform/qt/QtConvert.h"

#include <QStringList>

namespace {

// Indices of the system colours (low byte of a system TColor).
enum SystemColorIndex : unsigned {
    WindowIndex = 5,
    WindowTextIndex = 8,
    HighlightIndex = 13,
    HighlightTextIndex = 14,
    ButtonFaceIndex = 15,
    ButtonShadowIndex = 16,
    GrayTextIndex = 17,
    ButtonTextIndex = 18,
    ButtonHighlightIndex = 20,
};

QColor FromRgb(TColor rgb)
{
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace

QColor ToQColor(TColor color, const QPalette& palette)
{
    if ((color >> 24) != 0xFF)
        return FromRgb(color & 0xFFFFFF);
    switch (color & 0xFF) {
    case WindowIndex: return palette.color(QPalette::Base);
    case WindowTextIndex: return palette.color(QPalette::WindowText);
    case HighlightIndex: return palette.color(QPalette::Highlight);
    case HighlightTextIndex: return palette.color(QPalette::HighlightedText);
    case ButtonFaceIndex: return palette.color(QPalette::Button);
    case ButtonShadowIndex: return palette.color(QPalette::Dark);
    case GrayTextIndex: return palette.color(QPalette::Disabled, QPalette::Text);
    case ButtonTextIndex: return palette.color(QPalette::ButtonText);
    case ButtonHighlightIndex: return palette.color(QPalette::Light);
    default: return FromRgb(ColorToRGB(color));
    }
}

TColor FromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return RGB(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
               static_cast<std::uint8_t>(rgb.blue()));
}

QFont ToQFont(const TFont& font)
{
    QFont result;
    result.setFamilies(QStringList{ToQString(font.Name()), QStringLiteral("IPAPGothic"),
                                   QStringLiteral("Noto Sans CJK JP")});
    result.setPixelSize(font.PixelHeight() > 0 ? font.PixelHeight() : 12);
    result.setBold(font.HasStyle(TFontStyle::fsBold));
    result.setItalic(font.HasStyle(TFontStyle::fsItalic));
    result.setUnderline(font.HasStyle(TFontStyle::fsUnderline));
    result.setStrikeOut(font.HasStyle(TFontStyle::fsStrikeOut));
    return result;
}

bool ToMouseButton(Qt::MouseButton button, TMouseButton& result)
{
    switch (button) {
    case Qt::LeftButton: result = TMouseButton::mbLeft; return true;
    case Qt::RightButton: result = TMouseButton::mbRight; return true;
    case Qt::MiddleButton: result = TMouseButton::mbMiddle; return true;
    default: return false;
    }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift << TShiftStateFlag::ssShift;
    if (modifiers & Qt::AltModifier)
        shift << TShiftStateFlag::ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift << TShiftStateFlag::ssCtrl;
    if (buttons & Qt::LeftButton)
        shift << TShiftStateFlag::ssLeft;
    if (buttons & Qt::RightButton)
        shift << TShiftStateFlag::ssRight;
    if (buttons & Qt::MiddleButton)
        shift << TShiftStateFlag::ssMiddle;
    return shift;
}
