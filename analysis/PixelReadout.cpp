#include "analysis/PixelReadout.h"

#include "platform/core/SysUtils.h"

std::string PixelReadoutText(int x, int y, TColor colour)
{
    std::string text = " X,Y=(";
    text += IntToStr(x);
    text += ", ";
    text += IntToStr(y);
    text += ")   R: ";
    text += IntToStr(GetRValue(colour));
    text += "  G: ";
    text += IntToStr(GetGValue(colour));
    text += "  B: ";
    text += IntToStr(GetBValue(colour));
    return text;
}
