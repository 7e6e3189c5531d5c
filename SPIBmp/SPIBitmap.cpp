#include "SPIBmp/SPIBitmap.h"

#include "SPIs/SPIs.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Picture.h"

QUORVEL_DEFINE_GRAPHIC_CLASS(TSPIBitmap, TBitmap, true)

namespace {

// Runs a load; any failure but the silent abort is answered with the plug-in layer's one message.
template <class Load>
void LoadOrCouldNotDecode(Load&& load)
{
    try {
        load();
    } catch (const EAbort&) {
        throw;
    } catch (const Exception&) {
        throw EInvalidGraphic("Susie Plugins could not decode");
    }
}

}  // namespace

void TSPIBitmap::LoadFromFile(const std::string& fileName)
{
    LoadOrCouldNotDecode([&] { TBitmap::LoadFromFile(fileName); });
}

void TSPIBitmap::LoadFromStream(TStream& stream)
{
    LoadOrCouldNotDecode([&] { TBitmap::LoadFromStream(stream); });
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
