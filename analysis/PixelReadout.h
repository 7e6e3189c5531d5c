#pragma once
// The status-bar text for the pixel under the pointer.
#include <string>

#include "platform/graphics/Types.h"

// " X,Y=(12, 34)   R: 255  G: 128  B: 0" for the pixel (12, 34) of colour 0x000080FF.
std::string PixelReadoutText(int x, int y, TColor colour);
