#pragma once
// The bitmap class under which the plug-in registry registers every image-input plug-in's
// extensions. A file of such an extension that is a BMP image loads as a plain bitmap; decoding
// through the plug-ins is not wired in yet, so any other file fails with
// "Susie Plugins could not decode" and the bitmap keeps its picture.
#include "platform/graphics/Bitmap.h"

class TSPIBitmap : public TBitmap {
    QUORVEL_GRAPHIC_CLASS(TSPIBitmap)
public:
    void LoadFromFile(const std::string& fileName) override;
    void LoadFromStream(TStream& stream) override;
};

// The unit's start and end: makes TSPIBitmap the plug-in registry's default graphic class for as
// long as it lives, then withdraws it from the picture-format registry.
class TSPIBitmapUnit {
public:
    TSPIBitmapUnit();
    ~TSPIBitmapUnit();
    TSPIBitmapUnit(const TSPIBitmapUnit&) = delete;
    TSPIBitmapUnit& operator=(const TSPIBitmapUnit&) = delete;
};
