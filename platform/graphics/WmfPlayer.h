#pragma once
// Windows metafiles (.wmf): the optional placeable header, the metafile header, the record chain,
// and playing the records onto a bitmap. The logical rectangle of the picture (the placeable
// header's box, or else the window the records set, or else the extent of what they draw) is
// stretched over the target rectangle.
#include <cstddef>
#include <cstdint>

#include "platform/graphics/Bitmap.h"

namespace metafile {

struct WmfLayout {
    bool Placeable = false;
    std::size_t RecordsOffset = 0;  // the metafile header
    std::uint16_t ObjectCount = 0;  // slots of the object table
    std::size_t End = 0;            // past the last record played
};

// The picture's logical rectangle and how many of its units make an inch.
struct WmfFrame {
    double Left = 0, Top = 0, Width = 0, Height = 0;
    double UnitsPerInch = 96;
    // Measured from what the records draw, in their own coordinates: their window origin is
    // left out then, since no window was set to go with it.
    bool Measured = false;
};

// Checks the headers and that every record lies inside the data; false otherwise.
bool ReadWmfLayout(const std::uint8_t* data, std::size_t size, WmfLayout& layout);
WmfFrame WmfPictureFrame(const std::uint8_t* data, const WmfLayout& layout);
// Plays the records; a record that doesn't make sense is skipped.
void PlayWmf(const std::uint8_t* data, const WmfLayout& layout, const WmfFrame& frame, TBitmap& target,
             const TRect& rect);

}  // namespace metafile
