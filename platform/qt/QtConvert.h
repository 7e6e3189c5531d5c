#pragma once
// Conversions between the window model's vocabulary and Qt's: UTF-8 text, colours (system colours
// resolved through the widget palette), fonts with the window font's fallbacks, and mouse input.
#include <string>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <Qt>

#include "platform/controls/Font.h"
#include "platform/controls/Input.h"
#include "platform/graphics/Types.h"

inline QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Plain colours as they are; system colours (top byte 0xFF) from the palette's matching role,
// unknown ones by the model's default scheme.
QColor ToQColor(TColor color, const QPalette& palette);
// A QColor as 0x00BBGGRR.
TColor FromQColor(const QColor& color);

// The font the model asks for: its face first, then the Japanese Gothic faces the window font falls
// back on; the size in pixels (the characters' height).
QFont ToQFont(const TFont& font);

// The model button of a Qt button; false for buttons the model doesn't know.
bool ToMouseButton(Qt::MouseButton button, TMouseButton& result);
// Modifier keys and held buttons as the model's shift state.
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
