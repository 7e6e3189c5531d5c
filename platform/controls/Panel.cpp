#include "platform/controls/Panel.h"

QUORVEL_DEFINE_CLASS_INFO(TPanel, TWinControl)

void TPanel::SetBevelOuter(TBevelCut value)
{
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    NotifyView(TViewChange::Appearance);
}

void TPanel::SetBevelInner(TBevelCut value)
{
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    NotifyView(TViewChange::Appearance);
}

void TPanel::SetBevelWidth(int value)
{
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    NotifyView(TViewChange::Appearance);
}
