#include "analysis/LuminanceTab.h"

#include "analysis/PixelReadout.h"
#include "platform/core/SysUtils.h"

namespace {

void ClearSlot(TImage& image) { image.Picture()->SetGraphic(nullptr); }

bool LeftHeld(TShiftState shift) { return shift.Contains(TShiftStateFlag::ssLeft); }
bool RightHeld(TShiftState shift) { return shift.Contains(TShiftStateFlag::ssRight); }

}  // namespace

TProfileSlots TLuminanceTab::HorizontalProfileSlots() const
{
    return {c_.Image1, c_.Image2, c_.Image3, c_.Edit2, c_.Edit5, c_.Edit7, c_.ColorDialog1};
}

TProfileSlots TLuminanceTab::VerticalProfileSlots() const
{
    return {c_.Image1, c_.Image4, c_.Image5, c_.Edit1, c_.Edit6, c_.Edit8, c_.ColorDialog1};
}

void TLuminanceTab::DrawHorizontalProfile(int row)
{
    DrawProfile(TProfileOrientation::Horizontal, HorizontalProfileSlots(), row);
}

void TLuminanceTab::DrawVerticalProfile(int column)
{
    DrawProfile(TProfileOrientation::Vertical, VerticalProfileSlots(), column);
}

void TLuminanceTab::ProfileRowFromPicture(int row)
{
    ClearSlot(*c_.Image3);
    DrawHorizontalProfile(row);
    ClearSlot(*c_.Image6);
    c_.Edit3->SetText("");
}

void TLuminanceTab::ProfileColumnFromPicture(int column)
{
    ClearSlot(*c_.Image5);
    DrawVerticalProfile(column);
    ClearSlot(*c_.Image7);
    c_.Edit4->SetText("");
}

void TLuminanceTab::Image1MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button == TMouseButton::mbLeft)
        ProfileRowFromPicture(Y);
    else if (Button == TMouseButton::mbRight)
        ProfileColumnFromPicture(X);
}

void TLuminanceTab::Image1MouseMove(TObject*, TShiftState Shift, int X, int Y)
{
    if (LeftHeld(Shift))
        ProfileRowFromPicture(Y);
    if (RightHeld(Shift))
        ProfileColumnFromPicture(X);
    // Both far edges included: one past the last column and row still reads (as white).
    if (X < 0 || X > c_.Image1->Width() || Y < 0 || Y > c_.Image1->Height())
        return;
    const TColor colour = c_.Image1->Canvas()->Pixel(X, Y);
    c_.StatusBar1->SetSimpleText(PixelReadoutText(X, Y, colour));
}

void TLuminanceTab::Image6MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int)
{
    if (Button == TMouseButton::mbLeft)
        ReadGraphAt(TProfileOrientation::Horizontal, {c_.Image2, c_.Image6, c_.Edit3}, X);
}

void TLuminanceTab::Image6MouseMove(TObject*, TShiftState Shift, int X, int)
{
    if (!LeftHeld(Shift) || X < 0 || X > c_.Image2->Width())
        return;
    // Sweeps the vertical profile along with the pointer.
    c_.Edit1->SetText(IntToStr(X));
    ReadGraphAt(TProfileOrientation::Horizontal, {c_.Image2, c_.Image6, c_.Edit3}, X);
}

void TLuminanceTab::Image7MouseUp(TObject*, TMouseButton Button, TShiftState, int, int Y)
{
    if (Button == TMouseButton::mbLeft)
        ReadGraphAt(TProfileOrientation::Vertical, {c_.Image4, c_.Image7, c_.Edit4}, Y);
}

void TLuminanceTab::Image7MouseMove(TObject*, TShiftState Shift, int, int Y)
{
    if (!LeftHeld(Shift) || Y < 0 || Y > c_.Image4->Height())
        return;
    c_.Edit2->SetText(IntToStr(Y));
    ReadGraphAt(TProfileOrientation::Vertical, {c_.Image4, c_.Image7, c_.Edit4}, Y);
}

void TLuminanceTab::ProfileFromBox(TEdit& box, TImage& scanOverlay, TProfileOrientation orientation)
{
    // Row and column 0 are profiled only by clicking: the boxes start out holding "0".
    if (box.Text().empty() || box.Text() == "0")
        return;
    ClearSlot(scanOverlay);
    const int index = StrToInt(box.Text());  // EConvertError for text that is not a number
    if (orientation == TProfileOrientation::Horizontal)
        DrawHorizontalProfile(index);
    else
        DrawVerticalProfile(index);
}

void TLuminanceTab::Edit1Change(TObject*) { ProfileFromBox(*c_.Edit1, *c_.Image5, TProfileOrientation::Vertical); }

void TLuminanceTab::Edit2Change(TObject*) { ProfileFromBox(*c_.Edit2, *c_.Image3, TProfileOrientation::Horizontal); }
