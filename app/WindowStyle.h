#pragma once
// The look both of the program's windows share: centred on the screen, the button-face colour and
// the window font (12-pixel "ＭＳ Ｐゴシック", Shift-JIS set, window-text colour).
#include "platform/controls/Form.h"

inline void ApplyWindowStyle(TForm& form, int clientWidth, int clientHeight)
{
    form.SetClientWidth(clientWidth);
    form.SetClientHeight(clientHeight);
    form.SetPosition(TPosition::poScreenCenter);
    form.SetColor(clBtnFace);
    form.Font().SetName("ＭＳ Ｐゴシック");
    form.Font().SetHeight(-12);
    form.Font().SetCharset(SHIFTJIS_CHARSET);
    form.Font().SetColor(clWindowText);
    form.SetPixelsPerInch(96);
}
