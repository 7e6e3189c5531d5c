// Mouse routing of a window: hit testing, capture and delivery in the receiver's coordinates.
#include "platform/controls/WinControl.h"

namespace {

bool Holds(const TControl& control, TPoint point)
{
    const std::int32_t x = point.X - control.Left();
    const std::int32_t y = point.Y - control.Top();
    return x >= 0 && y >= 0 && x < control.Width() && y < control.Height();
}

bool TakesMouse(const TControl& control, TPoint point, bool allowDisabled)
{
    return control.Visible() && (allowDisabled || control.Enabled()) && Holds(control, point);
}

}  // namespace

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls) const
{
    if (allowWinControls)
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if ((*it)->IsWindowed() && TakesMouse(**it, point, allowDisabled))
                return *it;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (!(*it)->IsWindowed() && TakesMouse(**it, point, allowDisabled))
            return *it;
    return nullptr;
}

TControl* TWinControl::FindControlAt(TPoint point, bool allowDisabled) const
{
    if (point.X < 0 || point.Y < 0 || point.X >= Width() || point.Y >= Height())
        return nullptr;
    TControl* child = ControlAtPos(point, allowDisabled);
    if (child == nullptr)
        return const_cast<TWinControl*>(this);
    if (!child->IsWindowed())
        return child;
    const auto* windowed = static_cast<const TWinControl*>(child);
    return windowed->FindControlAt(Point(point.X - child->Left(), point.Y - child->Top()), allowDisabled);
}

TControl* TWinControl::HintControlAt(TPoint point) const
{
    TControl* control = FindControlAt(point, true);
    while (control != nullptr && !control->ShowHint())
        control = control->Parent();
    return control;
}

std::string TWinControl::HintAt(TPoint point) const
{
    for (const TControl* control = HintControlAt(point); control != nullptr; control = control->Parent())
        if (!control->Hint().empty()) {
            const std::string& hint = control->Hint();
            return hint.substr(0, hint.find('|'));
        }
    return {};
}

void TWinControl::HandleMouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (!VisibleInWindow() || !EnabledInWindow())
        return;
    shift << ButtonFlag(button);
    RouteMouse(TMouseAction::Down, button, shift, x, y);
}

void TWinControl::HandleMouseMove(TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (!VisibleInWindow() || !EnabledInWindow())
        return;
    RouteMouse(TMouseAction::Move, TMouseButton::mbLeft, shift, x, y);
}

void TWinControl::HandleMouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (!VisibleInWindow() || !EnabledInWindow())
        return;
    shift >> ButtonFlag(button);
    RouteMouse(TMouseAction::Up, button, shift, x, y);
}

void TWinControl::CancelMouseCapture()
{
    if (capture_ != nullptr && capture_ != this && capture_->IsWindowed())
        static_cast<TWinControl*>(capture_)->CancelMouseCapture();
    capture_ = nullptr;
}

void TWinControl::RouteMouse(TMouseAction action, TMouseButton button, TShiftState shift, std::int32_t x,
                             std::int32_t y)
{
    // A move without any button held means the release was lost: the capture ends.
    if (action == TMouseAction::Move && !shift.AnyButton() && capture_ != nullptr)
        CancelMouseCapture();

    TControl* target = capture_;
    if (target == nullptr) {
        target = ControlAtPos(Point(x, y), false);
        if (target == nullptr)
            target = this;
    }
    if (action == TMouseAction::Down)
        capture_ = target;
    // Released before delivery: the handler may free the target, and a release ends the capture
    // once no button is held any more.
    if (action == TMouseAction::Up && !shift.AnyButton())
        capture_ = nullptr;

    if (target != this && target->IsWindowed()) {
        static_cast<TWinControl*>(target)->RouteMouse(action, button, shift, x - target->Left(), y - target->Top());
        return;
    }
    const std::int32_t cx = target == this ? x : x - target->Left();
    const std::int32_t cy = target == this ? y : y - target->Top();
    switch (action) {
    case TMouseAction::Down: target->DeliverMouseDown(button, shift, cx, cy); break;
    case TMouseAction::Move: target->DeliverMouseMove(shift, cx, cy); break;
    case TMouseAction::Up: target->DeliverMouseUp(button, shift, cx, cy); break;
    }
}
