#include "SPIBmp/SPIBitmap.h"

#include "SPIs/SPIs.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Picture.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TSPIBitmap, TBitmap, true)

namespace {
constexpr const char* CouldNotDecode = "Susie Plugins could not decode";
}

void TSPIBitmap::LoadFromFile(const std::string& fileName)
{
    try {
        TBitmap::LoadFromFile(fileName);
    } catch (const EAbort&) {
        throw;
    } catch (const Exception&) {
        throw EInvalidGraphic(CouldNotDecode);
    }
}

void TSPIBitmap::LoadFromStream(TStream& stream)
{
    try {
        TBitmap::LoadFromStream(stream);
    } catch (const EAbort&) {
        throw;
    } catch (const Exception&) {
        throw EInvalidGraphic(CouldNotDecode);
    }
}

TSPIBitmapUnit::TSPIBitmapUnit()
{
    TSPIs::SetDefaultGraphic(TSPIBitmap::StaticGraphicClass());
}

TSPIBitmapUnit::~TSPIBitmapUnit()
{
    TPicture::UnregisterGraphicClass(TSPIBitmap::StaticGraphicClass());
    if (TSPIs::GetDefaultGraphic() == TSPIBitmap::StaticGraphicClass())
        TSPIs::SetDefaultGraphic(nullptr);
}
