#pragma once
// A control: a component with a place in a parent's client area, looks and mouse events. Controls
// without a window of their own (images, labels, bevels) are painted by their windowed parent and
// receive the mouse through it (TWinControl dispatches). Controls are created with new and freed by
// their owner or, failing that, by their parent.
#include <cstdint>
#include <string>

#include "platform/controls/Component.h"
#include "platform/controls/Font.h"
#include "platform/controls/Input.h"
#include "platform/controls/Messages.h"
#include "platform/controls/View.h"
#include "platform/graphics/Types.h"

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
    QUORVEL_CLASS_INFO(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    // Moves the control to the top of the new parent's stacking order; raises EInvalidOperation
    // when the parent would be the control itself or one of its children.
    void SetParent(TWinControl* parent);
    virtual bool IsWindowed() const { return false; }

    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    void SetLeft(std::int32_t value) { SetBounds(value, top_, width_, height_); }
    void SetTop(std::int32_t value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(std::int32_t value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(std::int32_t value) { SetBounds(left_, top_, width_, value); }
    // Negative sizes are taken as 0.
    virtual void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    TRect BoundsRect() const { return Rect(left_, top_, left_ + width_, top_ + height_); }
    std::int32_t ClientWidth() const { return width_; }
    std::int32_t ClientHeight() const { return height_; }
    void SetClientWidth(std::int32_t value) { SetWidth(value); }
    void SetClientHeight(std::int32_t value) { SetHeight(value); }
    TRect ClientRect() const { return Rect(0, 0, width_, height_); }

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // True when this control and every parent below the top-level window are visible: what a
    // hidden tab sheet's controls are not. The top-level window's own visibility is the host's.
    bool VisibleInWindow() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool EnabledInWindow() const;

    // Caption and Text are one string, as on the original platform.
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    // The switch in force: the parent's while ParentShowHint, the control's own otherwise.
    bool ShowHint() const;
    // Setting the switch stops taking it from the parent.
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);

    // Changing the font stops taking it from the parent.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);

    // A point of this control's client area in the coordinates of ancestor (the parent when
    // nullptr); EInvalidOperation when ancestor is not one of the control's parents.
    TPoint ClientToParent(TPoint point, const TWinControl* ancestor = nullptr) const;
    TPoint ParentToClient(TPoint point, const TWinControl* ancestor = nullptr) const;

    void BringToFront();
    void SendToBack();

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;
    // Runs OnClick: a left press and release inside the control, or a host's button press.
    virtual void Click();

    // Mouse input in this control's client coordinates, as the parent's dispatch delivers it.
    void DeliverMouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    void DeliverMouseMove(TShiftState shift, std::int32_t x, std::int32_t y);
    void DeliverMouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);

    // Window messages of the message map (a dropped file list); the base ignores them.
    virtual void Dispatch(TMessage& message);

    IControlView* View() const { return view_; }
    void SetView(IControlView* view) { view_ = view; }
    // Asks the view to repaint the control.
    void Invalidate() { NotifyView(TViewChange::Paint); }

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    virtual void MouseMove(TShiftState shift, std::int32_t x, std::int32_t y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);

    // Tells the attached view (or, for a control without a window and without a view, the
    // parent's view) about a visible change; nothing while the control is being freed.
    void NotifyView(TViewChange change);
    virtual void TextChanged() { NotifyView(TViewChange::Text); }
    virtual void VisibleChanged() { NotifyView(TViewChange::Visible); }
    virtual void FontChanged();
    // The parent's font changed: a control taking its font from the parent copies it.
    void ParentFontChanged();

private:
    friend class TWinControl;

    TWinControl* parent_ = nullptr;
    IControlView* view_ = nullptr;
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    bool parentFont_ = true;
    bool copyingParentFont_ = false;
    bool clicked_ = false;  // a left press landed here and its release is awaited
    std::string text_;
    std::string hint_;
    TFont font_;
    TColor color_ = clBtnFace;
    TAlign align_ = TAlign::alNone;
};
