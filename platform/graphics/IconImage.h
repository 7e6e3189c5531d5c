#pragma once
// One image of an icon file, decoded to straight-alpha colours. Decoders raise EInvalidGraphic
// "アイコンイメージが不正です" for anything they can't place; they never read outside the bytes
// they are given.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Types.h"

// Largest side of an icon image taken; the format itself stops at 256 for BMP images.
inline constexpr std::int32_t MaxIconDimension = 4096;

struct TIconPixel {
    std::uint8_t Red = 0, Green = 0, Blue = 0, Alpha = 0;
};

struct TIconImage {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<TIconPixel> Pixels;  // Height rows of Width, top row first

    const TIconPixel& At(std::int32_t x, std::int32_t y) const
    {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
    }
};

// What a directory entry's image data says about itself, read without decoding it.
struct TIconImageInfo {
    bool Png = false;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    int BitsPerPixel = 0;
};

// False when the data is neither a BMP image nor a PNG image of a size the decoders take.
bool ProbeIconImage(const std::uint8_t* data, std::size_t size, TIconImageInfo& info);

TIconImage DecodeIconBmp(const std::uint8_t* data, std::size_t size);
TIconImage DecodeIconPng(const std::uint8_t* data, std::size_t size);
// Samples per pixel of a PNG colour type; 0 for a type PNG doesn't have.
int PngChannels(std::uint8_t colourType);

[[noreturn]] void ThrowInvalidIcon();
