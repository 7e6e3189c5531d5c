#include "platform/controls/Edit.h"

#include "platform/controls/TextLimit.h"
#include "platform/controls/UpDown.h"

QUORVEL_DEFINE_CLASS_INFO(TEdit, TWinControl)

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetColor(clWindow);
}

TEdit::~TEdit()
{
    SetState(TComponentStateFlag::csDestroying, true);
    if (upDown_ != nullptr)
        upDown_->SetAssociate(nullptr);
}

void TEdit::SetReadOnly(bool value)
{
    if (value == readOnly_)
        return;
    readOnly_ = value;
    NotifyView(TViewChange::Enabled);
}

const std::string& TEdit::UserSetText(const std::string& typed)
{
    if (!readOnly_ && EnabledInWindow())
        SetText(ApplyTypingLimit(Text(), typed, maxLength_));
    return Text();
}

bool TEdit::KeyDown(std::uint16_t key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    if (upDown_ == nullptr || !upDown_->ArrowKeys() || (key != VK_UP && key != VK_DOWN))
        return false;
    upDown_->Click(key == VK_UP ? TUDBtnType::btNext : TUDBtnType::btPrev);
    return true;
}

void TEdit::TextChanged()
{
    TWinControl::TextChanged();
    if (!Loading())
        Change();
}

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == upDown_)
        upDown_ = nullptr;
}
