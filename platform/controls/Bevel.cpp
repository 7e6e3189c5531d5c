#include "platform/controls/Bevel.h"

QUORVEL_DEFINE_CLASS_INFO(TBevel, TGraphicControl)

void TBevel::SetShape(TBevelShape value)
{
    if (value == shape_)
        return;
    shape_ = value;
    NotifyView(TViewChange::Appearance);
}

void TBevel::SetStyle(TBevelStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    NotifyView(TViewChange::Appearance);
}
