#include "platform/controls/Label.h"

QUORVEL_DEFINE_CLASS_INFO(TLabel, TGraphicControl)

void TLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    NotifyView(TViewChange::Appearance);
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    NotifyView(TViewChange::Appearance);
}
