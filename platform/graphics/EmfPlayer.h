#pragma once
// Enhanced metafiles (.emf): the header record, the record chain, and playing the records onto a
// bitmap. The picture frame of the header is stretched over the target rectangle.
#include <cstddef>
#include <cstdint>

#include "platform/graphics/Bitmap.h"

namespace metafile {

struct EmfLayout {
    std::size_t End = 0;             // past the last record played
    std::uint16_t HandleCount = 0;   // slots of the object table, slot 0 included
};

// Checks the header record and that every record lies inside the data; false otherwise.
bool ReadEmfLayout(const std::uint8_t* data, std::size_t size, EmfLayout& layout);
// Plays the records; a record that doesn't make sense is skipped.
void PlayEmf(const std::uint8_t* data, const EmfLayout& layout, TBitmap& target, const TRect& rect);

}  // namespace metafile
