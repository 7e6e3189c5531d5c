#pragma once
// The model/host seam. The model holds the state; a host (the Qt window, or a test) attaches a view
// to a control or a main menu and is told after every visible change, then reads what it needs
// from the model. With no view attached a change costs one pointer test.
#include <cstdint>

class TComponent;

enum class TViewChange : std::uint8_t {
    Bounds,       // Left, Top, Width, Height (a page control's display rectangle too)
    Visible,      // shown or hidden
    Enabled,      // enabled, read-only
    Text,         // caption or text: form, label, panel, edit, button, tab sheet, status bar simple text
    Picture,      // an image's picture was replaced or drawn on (repaint)
    Appearance,   // font, colour, bevels, transparency, hint, other looks
    Children,     // a child was added, removed or moved in the stacking order; tab order
    Page,         // a page control's active page or its pages
    Position,     // an up-down's position, range or associate
    Menu,         // a menu item's caption, state or sub-items; a form's menu
    Focus,        // the form's active control
    AcceptFiles,  // the window accepts or refuses dropped files
    Paint,        // repaint requested without a state change
};

class IControlView {
public:
    virtual ~IControlView() = default;
    // source is the control (or main menu) that changed. A graphic control (image, label, bevel)
    // without a view of its own reports to its parent's view, which paints it.
    virtual void Changed(TComponent& source, TViewChange change) = 0;
    // The control is being freed: only its address may be used any more.
    virtual void Destroyed(TComponent& source) { (void)source; }
};
