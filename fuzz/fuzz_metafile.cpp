// libFuzzer target for the metafile readers and players: each input as a metafile (enhanced or
// Windows, with or without placeable header), played onto a small bitmap when it reads. Run with
// file names instead of a corpus folder, the program replays those files once each.
#include <cstdint>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMetafile metafile;
    try {
        TBytesStream stream(data, size);
        metafile.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    TBitmap canvas;
    canvas.SetSize(64, 48);
    canvas.Canvas().StretchDraw(Rect(-5, 3, 70, 40), metafile);
    return 0;
}
