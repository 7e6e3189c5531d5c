#pragma once
// Raw input of a widget handed to its control: mouse buttons and moves (in the widget's client
// coordinates, also outside it while Qt's implicit grab holds the mouse), tooltips asked of the
// model, and files dropped from the desktop. Every call into the model goes through the
// application's guard (platform/controls/HostInput.h).
#include <string>
#include <vector>

#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include "platform/controls/WinControl.h"

void ForwardMousePress(TWinControl& control, const QMouseEvent& event, bool doubleClick = false);
void ForwardMouseMove(TWinControl& control, const QMouseEvent& event);
void ForwardMouseRelease(TWinControl& control, const QMouseEvent& event);

// Shows the model's tooltip for the point of the help event, or hides the tooltip when there is
// none; it stays up while the pointer remains over the same control.
void ShowModelHint(QWidget& widget, const TWinControl& control, const QHelpEvent& event);

// The local files of a drag, whole paths in UTF-8, in the order the desktop gave them.
std::vector<std::string> DroppedPaths(const QMimeData* data);
