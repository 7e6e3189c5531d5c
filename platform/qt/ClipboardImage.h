#pragma once
// Clipboard pictures between the original clipboard formats and what the desktop's clipboard
// carries: a bitmap (packed DIB) travels as an image (Qt offers it as image/png and the other
// image types); metafiles travel under their registered MIME types; a palette and any other format
// under a private type of this program.
#include <cstdint>
#include <optional>
#include <vector>

#include <QImage>
#include <QString>

// The MIME type that carries a clipboard format other than the bitmap formats.
QString ClipboardMimeType(std::uint16_t format);

// A packed DIB as a QImage, read with the program's bitmap reader (whose error it raises for
// malformed data).
QImage PackedDibToQImage(const std::vector<std::uint8_t>& data);

// A QImage from the desktop as a packed 24-bit DIB (40-byte header, bottom-up rows). Transparent
// parts are laid over white. Nothing for a null image or one beyond the picture size limits.
std::optional<std::vector<std::uint8_t>> QImageToPackedDib(const QImage& image);
