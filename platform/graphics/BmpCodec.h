#pragma once
// The BMP reader and writer. The reader takes every variant the platform reads (1/4/8/16/24/32
// bits, RLE4/RLE8, bit-field masks, top-down rows, OS/2 core headers, V4/V5 headers) and raises
// EInvalidGraphic "ビットマップイメージが不正です" for anything else, checking every size and offset
// before it is used; a file cut short raises EReadError. The writer writes the store at its own
// depth with a 40-byte info header. docs/bmp-conformance.md records the decision on each variant.
#include <cstddef>
#include <cstdint>

#include "platform/core/Streams.h"
#include "platform/graphics/Dib.h"

// Decodes a whole BMP file image (starting with "BM").
TDib ReadBmpFile(const std::uint8_t* data, std::size_t size);
// Decodes a packed DIB: an info header, the colour table or masks, then the pixels (the clipboard's
// CF_DIB form, a BMP file image without its 14-byte file header).
TDib ReadPackedDib(const std::uint8_t* data, std::size_t size);
// The same, refusing (EInvalidGraphic) a picture whose store would take more than maxStoreBytes, before
// anything is reserved for it: run-length data lets a few bytes claim a store of any size.
TDib ReadPackedDib(const std::uint8_t* data, std::size_t size, std::size_t maxStoreBytes);
// Reads a BMP file image from the stream's current position; reads no further than the image's
// end as its header gives it, so what follows in the stream stays unread. The stream is left at the
// end of the pixels, or at bfSize when that lies further on within the stream.
TDib ReadBmpStream(TStream& stream);

// An empty store writes nothing.
void WriteBmpFile(const TDib& dib, TStream& stream);
void WritePackedDib(const TDib& dib, TStream& stream);
