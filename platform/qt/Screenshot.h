#pragma once
// A picture of a form's window as it is drawn now (menu bar and client area, without the window
// manager's frame), saved as PNG. For looking at the layout without a screen (offscreen) or under a
// virtual one.
#include <string>

#include "platform/controls/Form.h"

// False when the form has no window or the file can't be written.
bool SaveFormScreenshot(const TForm& form, const std::string& path);
