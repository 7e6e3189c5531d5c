#include "platform/controls/StatusBar.h"

QUORVEL_DEFINE_CLASS_INFO(TStatusBar, TWinControl)

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner)
{
    SetAlign(TAlign::alBottom);
}

void TStatusBar::SetSimplePanel(bool value)
{
    if (value == simplePanel_)
        return;
    simplePanel_ = value;
    NotifyView(TViewChange::Text);
}

void TStatusBar::SetSimpleText(const std::string& value)
{
    if (value == simpleText_)
        return;
    simpleText_ = value;
    NotifyView(TViewChange::Text);
}
