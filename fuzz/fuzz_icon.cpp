// libFuzzer target for the icon reader: each input as an icon file, drawn when it reads. Run with
// file names instead of a corpus folder, the program replays those files once each.
#include <cstdint>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TIcon icon;
    try {
        TBytesStream stream(data, size);
        icon.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    TBitmap canvas;
    canvas.SetSize(48, 48);
    canvas.Canvas().StretchDraw(Rect(-3, 2, 40, 51), icon);
    return 0;
}
