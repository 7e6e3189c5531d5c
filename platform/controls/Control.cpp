#include "platform/controls/Control.h"

#include <algorithm>

#include "platform/controls/WinControl.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

QUORVEL_DEFINE_CLASS_INFO(TControl, TComponent)

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl()
{
    SetState(TComponentStateFlag::csDestroying, true);
    font_.OnChange = nullptr;
    if (view_ != nullptr)
        view_->Destroyed(*this);
    if (parent_ != nullptr)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    for (const TControl* p = parent; p != nullptr; p = p->parent_)
        if (p == this)
            throw EInvalidOperation(Messages::ControlParentSetToSelf);
    if (parent_ != nullptr)
        parent_->RemoveControl(this);
    if (parent != nullptr) {
        parent->InsertControl(this);
        if (parentFont_)
            ParentFontChanged();
    }
}

void TControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    NotifyView(TViewChange::Bounds);
}

void TControl::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    VisibleChanged();
}

bool TControl::VisibleInWindow() const
{
    for (const TControl* c = this; c->parent_ != nullptr; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void TControl::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    NotifyView(TViewChange::Enabled);
}

bool TControl::EnabledInWindow() const
{
    for (const TControl* c = this; c != nullptr; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

void TControl::SetText(const std::string& value)
{
    if (value == text_)
        return;
    text_ = value;
    TextChanged();
}

void TControl::SetHint(const std::string& value)
{
    if (value == hint_)
        return;
    hint_ = value;
    NotifyView(TViewChange::Appearance);
}

bool TControl::ShowHint() const
{
    if (parentShowHint_ && parent_ != nullptr)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool value)
{
    showHint_ = value;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool value)
{
    parentShowHint_ = value;
}

void TControl::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value)
        ParentFontChanged();
}

void TControl::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    NotifyView(TViewChange::Appearance);
}

void TControl::SetAlign(TAlign value)
{
    if (value == align_)
        return;
    align_ = value;
    NotifyView(TViewChange::Bounds);
}

TPoint TControl::ClientToParent(TPoint point, const TWinControl* ancestor) const
{
    if (ancestor == nullptr)
        ancestor = parent_;
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (c == ancestor)
            return point;
        point.X += c->left_;
        point.Y += c->top_;
        if (c->parent_ == ancestor)
            return point;
    }
    throw EInvalidOperation(Format(Messages::NotAnAncestor,
                                   {ancestor != nullptr ? ancestor->Name() : std::string("nil"), Name()}));
}

TPoint TControl::ParentToClient(TPoint point, const TWinControl* ancestor) const
{
    const TPoint origin = ClientToParent(Point(0, 0), ancestor);
    return Point(point.X - origin.X, point.Y - origin.Y);
}

void TControl::BringToFront()
{
    if (parent_ != nullptr)
        parent_->MoveInStack(this, true);
}

void TControl::SendToBack()
{
    if (parent_ != nullptr)
        parent_->MoveInStack(this, false);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DeliverMouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (button == TMouseButton::mbLeft)
        clicked_ = true;
    MouseDown(button, shift, x, y);
}

void TControl::DeliverMouseMove(TShiftState shift, std::int32_t x, std::int32_t y)
{
    MouseMove(shift, x, y);
}

void TControl::DeliverMouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    // The click comes before OnMouseUp, as on the original platform.
    if (button == TMouseButton::mbLeft && clicked_) {
        clicked_ = false;
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            Click();
    }
    MouseUp(button, shift, x, y);
}

void TControl::Dispatch(TMessage& message)
{
    (void)message;
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::NotifyView(TViewChange change)
{
    if (Destroying())
        return;
    if (view_ != nullptr) {
        view_->Changed(*this, change);
        return;
    }
    if (!IsWindowed() && parent_ != nullptr && parent_->view_ != nullptr && !parent_->Destroying())
        parent_->view_->Changed(*this, change);
}

void TControl::FontChanged()
{
    if (!copyingParentFont_)
        parentFont_ = false;
    NotifyView(TViewChange::Appearance);
}

void TControl::ParentFontChanged()
{
    if (parent_ == nullptr || !parentFont_)
        return;
    copyingParentFont_ = true;
    font_.Assign(parent_->Font());
    copyingParentFont_ = false;
}
