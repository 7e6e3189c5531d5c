#include "platform/controls/PictureDialogs.h"

#include "platform/graphics/Picture.h"

QUORVEL_DEFINE_CLASS_INFO(TOpenPictureDialog, TOpenDialog)
QUORVEL_DEFINE_CLASS_INFO(TSavePictureDialog, TSaveDialog)

namespace {
constexpr const char* AllFilter = "すべて";
}

std::string GraphicFilter(TGraphicClass graphicClass)
{
    std::string entries;
    std::string patterns;
    int count = 0;
    for (const TFileFormat& format : TPicture::FileFormats()) {
        if (format.Extension.empty() || !ClassInheritsFrom(format.GraphicClass, *graphicClass))
            continue;
        const std::string pattern = "*." + format.Extension;
        if (count++ > 0) {
            entries += '|';
            patterns += ';';
        }
        entries += format.Description + " (" + pattern + ")|" + pattern;
        patterns += pattern;
    }
    if (count <= 1)
        return entries;
    return std::string(AllFilter) + " (" + patterns + ")|" + patterns + "|" + entries;
}

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner)
{
    Filter = GraphicFilter(TGraphic::StaticGraphicClass());
}

TSavePictureDialog::TSavePictureDialog(TComponent* owner) : TSaveDialog(owner)
{
    Filter = GraphicFilter(TGraphic::StaticGraphicClass());
}
