#pragma once
// Private to the BMP reader: run-length decoding of 8-bit (RLE8) and 4-bit (RLE4) pictures.
#include <cstddef>
#include <cstdint>

#include "platform/graphics/Dib.h"

namespace bmp {

// Decodes size bytes of RLE data into dib (zero-filled, pf8bit or pf4bit, rows top-down; the data
// describes them bottom-up). Pixels that end-of-line, end-of-bitmap and delta codes skip keep
// index 0. Raises EInvalidGraphic for a run that leaves its row or the picture, and for data that
// ends inside a code or before the picture is complete without an end-of-bitmap code.
void DecodeRle(const std::uint8_t* data, std::size_t size, bool fourBit, TDib& dib);

}  // namespace bmp
