#include "platform/controls/HostInput.h"

#include "platform/controls/Application.h"

void HostMouseDown(TWinControl& window, TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    Application->Guard([&] { window.HandleMouseDown(button, shift, x, y); });
}

void HostMouseMove(TWinControl& window, TShiftState shift, std::int32_t x, std::int32_t y)
{
    Application->Guard([&] { window.HandleMouseMove(shift, x, y); });
}

void HostMouseUp(TWinControl& window, TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)
{
    Application->Guard([&] { window.HandleMouseUp(button, shift, x, y); });
}

std::string HostTyped(TEdit& edit, const std::string& text)
{
    Application->Guard([&] { edit.UserSetText(text); });
    return edit.Text();
}

bool HostKeyDown(TEdit& edit, std::uint16_t key, TShiftState shift)
{
    bool used = false;
    Application->Guard([&] { used = edit.KeyDown(key, shift); });
    return used;
}

void HostUpDownClick(TUpDown& upDown, TUDBtnType button)
{
    Application->Guard([&] { upDown.Click(button); });
}

void HostMenuClick(TMenuItem& item)
{
    Application->Guard([&] { item.Click(); });
}

void HostButtonClick(TButton& button)
{
    Application->Guard([&] { button.Click(); });
}

void HostSelectPage(TPageControl& pageControl, int index)
{
    Application->Guard([&] { pageControl.SelectPage(index); });
}

void HostDropFiles(TWinControl& window, const std::vector<std::string>& paths)
{
    Application->Guard([&] { window.DropFiles(paths); });
}

void HostClose(TForm& form)
{
    Application->Guard([&] { form.Close(); });
}

void HostFocus(TWinControl& control)
{
    Application->Guard([&] { control.SetFocus(); });
}

namespace {

// The window that receives the control's raw input, and the control's point in it; nullptr for a
// control without a window and without a parent, which nothing can reach.
TWinControl* InputWindow(TControl& control, std::int32_t& x, std::int32_t& y)
{
    if (control.IsWindowed())
        return static_cast<TWinControl*>(&control);
    x += control.Left();
    y += control.Top();
    return control.Parent();
}

}  // namespace

void SimulateMouseDown(TControl& control, TMouseButton button, std::int32_t x, std::int32_t y, TShiftState shift)
{
    if (TWinControl* window = InputWindow(control, x, y))
        HostMouseDown(*window, button, shift, x, y);
}

void SimulateMouseMove(TControl& control, TShiftState shift, std::int32_t x, std::int32_t y)
{
    if (TWinControl* window = InputWindow(control, x, y))
        HostMouseMove(*window, shift, x, y);
}

void SimulateMouseUp(TControl& control, TMouseButton button, std::int32_t x, std::int32_t y, TShiftState shift)
{
    if (TWinControl* window = InputWindow(control, x, y))
        HostMouseUp(*window, button, shift, x, y);
}

void SimulateClick(TControl& control, TMouseButton button, std::int32_t x, std::int32_t y)
{
    SimulateMouseDown(control, button, x, y);
    SimulateMouseUp(control, button, x, y);
}
