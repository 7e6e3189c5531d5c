#include "analysis/LuminanceTab.h"

void TLuminanceTab::DrawHorizontalProfile(int) {}
void TLuminanceTab::DrawVerticalProfile(int) {}
void TLuminanceTab::Image1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TLuminanceTab::Image1MouseMove(TObject*, TShiftState, int, int) {}
void TLuminanceTab::Image6MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TLuminanceTab::Image6MouseMove(TObject*, TShiftState, int, int) {}
void TLuminanceTab::Image7MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TLuminanceTab::Image7MouseMove(TObject*, TShiftState, int, int) {}
void TLuminanceTab::Edit1Change(TObject*) {}
void TLuminanceTab::Edit2Change(TObject*) {}
