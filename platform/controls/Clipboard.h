#pragma once
// The clipboard as the program uses it, over the host's clipboard service. A picture is put there
// in its graphic's own format (a bitmap as CF_BITMAP with its palette as CF_PALETTE; a metafile as
// CF_ENHMETAFILE). A graphic that can't go to the clipboard (an icon) refuses before the clipboard
// is touched, so its previous content stays.
#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Palette.h"
#include "platform/graphics/Picture.h"

class TClipboard {
public:
    // Puts the picture's graphic there; a picture without a graphic leaves the clipboard as it is.
    void Assign(const TPicture& picture);
    void Assign(TGraphic& graphic);
    void Clear();
    bool HasFormat(std::uint16_t format) const;
    // The data in that format; empty when the clipboard has none.
    std::vector<std::uint8_t> GetAsData(std::uint16_t format) const;
    void SetAsData(std::uint16_t format, std::vector<std::uint8_t> data);
    // A new palette made from the clipboard's CF_PALETTE data, owned by the caller; 0 when there
    // is none or the data is malformed.
    HPALETTE GetPalette() const;
    // Loads the clipboard's bitmap (with its palette) into bitmap; false, leaving bitmap as it is,
    // when the clipboard holds no bitmap. Malformed data raises the bitmap reader's error.
    bool GetBitmap(TBitmap& bitmap) const;
};

// The program's one clipboard object.
TClipboard* Clipboard();

// CF_PALETTE data to and from palettes. Decoding checks every count against the data's size and
// returns an empty palette (no entries) for malformed data.
std::vector<std::uint8_t> EncodePalette(HPALETTE palette);
TLogPalette DecodePalette(const std::vector<std::uint8_t>& data);
