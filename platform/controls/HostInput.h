#pragma once
// The ways a host hands user input to the model. Each runs the model's reaction under
// Application->Guard, so an error shows in the application's error box and never reaches the host.
// The Qt host calls these; tests call them (or the Simulate helpers) to drive the same paths.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/Button.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"

// Raw mouse input of a window's client area (see TWinControl::HandleMouseDown).
void HostMouseDown(TWinControl& window, TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
void HostMouseMove(TWinControl& window, TShiftState shift, std::int32_t x, std::int32_t y);
void HostMouseUp(TWinControl& window, TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
// The whole text of an edit box after the user's keystroke or paste; returns the text the box
// holds afterwards (the host shows it if it differs from its editor's).
std::string HostTyped(TEdit& edit, const std::string& text);
// A key pressed in an edit box; true when the model used it (the host then swallows it).
bool HostKeyDown(TEdit& edit, std::uint16_t key, TShiftState shift = {});
void HostUpDownClick(TUpDown& upDown, TUDBtnType button);
void HostMenuClick(TMenuItem& item);
void HostButtonClick(TButton& button);
void HostSelectPage(TPageControl& pageControl, int index);
void HostDropFiles(TWinControl& window, const std::vector<std::string>& paths);
// The window's close box.
void HostClose(TForm& form);
// The keyboard focus moved to control.
void HostFocus(TWinControl& control);

// Test conveniences: input aimed at a control, at (x, y) in its own client coordinates, sent the way
// a host sends it: to the control itself when it has a window, else to its parent window (whose
// dispatch picks the top-most control there, which need not be this one).
void SimulateMouseDown(TControl& control, TMouseButton button, std::int32_t x, std::int32_t y, TShiftState shift = {});
void SimulateMouseMove(TControl& control, TShiftState shift, std::int32_t x, std::int32_t y);
void SimulateMouseUp(TControl& control, TMouseButton button, std::int32_t x, std::int32_t y, TShiftState shift = {});
// Down and up at one point.
void SimulateClick(TControl& control, TMouseButton button, std::int32_t x, std::int32_t y);
