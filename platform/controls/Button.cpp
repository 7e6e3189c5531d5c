#include "platform/controls/Button.h"

QUORVEL_DEFINE_CLASS_INFO(TButton, TWinControl)

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
}

void TButton::SetDefault(bool value)
{
    if (value == default_)
        return;
    default_ = value;
    NotifyView(TViewChange::Appearance);
}

void TButton::SetCancel(bool value)
{
    cancel_ = value;
}

void TButton::Click()
{
    if (EnabledInWindow())
        TWinControl::Click();
}
