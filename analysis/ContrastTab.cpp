#include "analysis/ContrastTab.h"

void TContrastTab::Image10MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TContrastTab::Image10MouseMove(TObject*, TShiftState, int, int) {}
void TContrastTab::Image10MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TContrastTab::Edit9Change(TObject*) {}
