#pragma once
// File dialogs for pictures: their file-type list is taken from the picture-format registry when the
// dialog is created ("すべて (*.bmp;*.ico;...)" first, then one entry per format, newest
// registration first), so formats registered later are not listed.
#include <string>

#include "platform/controls/Dialogs.h"
#include "platform/graphics/Graphic.h"

// The filter text for every registered format whose class is graphicClass or derives from it.
std::string GraphicFilter(TGraphicClass graphicClass);

class TOpenPictureDialog : public TOpenDialog {
    QUORVEL_CLASS_INFO(TOpenPictureDialog)
public:
    explicit TOpenPictureDialog(TComponent* owner);
};

class TSavePictureDialog : public TSaveDialog {
    QUORVEL_CLASS_INFO(TSavePictureDialog)
public:
    explicit TSavePictureDialog(TComponent* owner);
};
