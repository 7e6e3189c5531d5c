#pragma once
// A control with a window of its own: it holds child controls in stacking order, the tab order of
// its windowed children, and dispatches the mouse input of its client area to the child under the
// pointer. A host forwards the raw input of the window's widget to HandleMouseDown/Move/Up; tests
// drive exactly the same path.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/Control.h"

class TWinControl;
using HWND = TWinControl*;  // a window is named by its control

class TWinControl : public TControl {
    QUORVEL_CLASS_INFO(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    // Frees the components it owns, then any child control still left (as the original platform).
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    HWND Handle() { return this; }

    // Children in stacking order, bottom first. Windowed children lie above every graphic child
    // (they are windows over the parent's painted area); within each kind a later one lies on top.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    bool ContainsControl(const TControl* control) const;  // a child or a child's child

    // Position among the parent's windowed children in the tab order; -1 without parent. Set while
    // loading, it is applied when the parent has loaded, so a layout may name orders in any sequence.
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    // Every windowed descendant in tab order, depth first: the order Tab walks.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) focusable descendant after current in the tab order, wrapping around;
    // with checkTabStop only tab stops count. nullptr when none.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    bool CanFocus() const;
    // Makes this control its window's active control (the host moves the keyboard focus there).
    void SetFocus();
    bool Focused() const;

    // The top-most child whose bounds hold point (client coordinates): windowed children first, then
    // graphic ones; hidden children never, disabled ones only with allowDisabled.
    TControl* ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls = true) const;
    // The deepest control under point, descending into windowed children; this control when no
    // child holds the point; nullptr when the point is outside.
    TControl* FindControlAt(TPoint point, bool allowDisabled) const;
    // The control whose tooltip shows at point: from the control under the pointer up to the first
    // whose ShowHint is on; nullptr when none.
    TControl* HintControlAt(TPoint point) const;
    // The tooltip text at point: the first non-empty Hint from the hint control upwards, up to a "|"
    // (the part after it is the long hint). Empty when no tooltip shows. The application-wide switch
    // (TApplication::ShowHint) is for the host to honour.
    std::string HintAt(TPoint point) const;

    // Raw mouse input of this window's client area. The button's flag is put into (down) or taken
    // out of (up) the shift state, so the set always tells the buttons held after the event.
    // The event goes to the child under the pointer (into windowed children recursively), or to
    // this control itself when no child holds it. The control that receives a press keeps the mouse
    // until no button is held: moves and releases go to it, in its coordinates, also outside it.
    // A window that is hidden (or lies on a hidden page) or disabled takes no input.
    void HandleMouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    void HandleMouseMove(TShiftState shift, std::int32_t x, std::int32_t y);
    void HandleMouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    // Drops the mouse capture (the host lost its grab).
    void CancelMouseCapture();
    // The child (or this control) holding the mouse; nullptr when none.
    TControl* MouseCaptureControl() const { return capture_; }

    bool AcceptsDroppedFiles() const { return acceptFiles_; }
    void SetAcceptsDroppedFiles(bool value);
    // A host's drop of files on this window: when it accepts drops, Dispatch receives WM_DROPFILES
    // with a drop handle (WParam) that stays valid until DragFinish or the end of the call.
    void DropFiles(const std::vector<std::string>& paths);

    // Puts the windowed children in the tab order the layout asked for.
    void Loaded() override;

protected:
    void FontChanged() override;
    // A control under this window is being removed (freed or moved away).
    virtual void DescendantRemoved(TControl* control);
    // A descendant asked for the focus; the top-level window (a form) records it.
    virtual void DescendantFocused(TWinControl* control) { (void)control; }
    virtual TWinControl* FocusedDescendant() const { return nullptr; }

private:
    friend class TControl;
    enum class TMouseAction { Down, Move, Up };

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveInStack(TControl* control, bool toTop);
    void MoveInTabList(int index);
    void FixupTabList();
    void RouteMouse(TMouseAction action, TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    TWinControl* TopLevel();

    std::vector<TControl*> controls_;     // not owned, stacking order
    std::vector<TWinControl*> tabList_;   // windowed children in tab order
    TControl* capture_ = nullptr;
    int requestedTabOrder_ = -1;
    bool tabStop_ = false;
    bool acceptFiles_ = false;
};
