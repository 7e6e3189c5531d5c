#pragma once
// Writing an enhanced metafile that holds one picture: how a Windows metafile goes to the
// clipboard, where programs take enhanced metafiles.
#include <cstdint>
#include <vector>

#include "platform/graphics/Dib.h"

// An enhanced metafile whose one record stretches the 24-bit picture over a frame of its own size
// at 96 pixels per inch.
std::vector<std::uint8_t> EnhancedMetafileOfPicture(const TDib& picture);
