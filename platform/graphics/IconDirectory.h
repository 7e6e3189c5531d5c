#pragma once
// The directory of an icon file: which images it holds, where, and which one is shown.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/IconImage.h"

struct TIconEntry {
    std::size_t Offset = 0;
    std::size_t Bytes = 0;
    TIconImageInfo Info;  // from the image's own header: the directory's sizes are only hints
};

// The usable entries, in directory order: those whose bytes lie inside the file and whose image
// header the decoders take. EInvalidGraphic when the file has no icon directory or none is usable.
std::vector<TIconEntry> ReadIconDirectory(const std::vector<std::uint8_t>& file);

// The entry a user expects to see: the largest image, of equal sizes the deepest colour, of equal
// images the first listed.
const TIconEntry& ChooseIconEntry(const std::vector<TIconEntry>& entries);

TIconImage DecodeIconEntry(const std::vector<std::uint8_t>& file, const TIconEntry& entry);
