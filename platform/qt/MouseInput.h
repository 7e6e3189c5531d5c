#pragma once
// Raw input of a widget handed to its control: mouse buttons and moves (in the widget's client
// coordinates, also outside it while Qt's implicit grab holds the mouse), tooltips asked of the
// model, and files dropped from the desktop. Every call into the model goes through the
// application's guard (platform/controls/HostInput.h).
#include <string>
#include <vector>

#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include "platform/controls/WinControl.h"

// A press, double click (a press with ssDouble), move or release, as the event's type says.
void ForwardMouse(TWinControl& control, const QMouseEvent& event);

// Shows the model's tooltip for the point of the help event, or hides the tooltip when there is
// none; it stays up while the pointer remains over the same control.
void ShowModelHint(QWidget& widget, const TWinControl& control, const QHelpEvent& event);

// The files of a drag that lie on this machine, whole paths in UTF-8, in the order the desktop gave
// them. URLs of other schemes, file URLs naming another host and relative paths are left out.
std::vector<std::string> DroppedPaths(const QMimeData* data);
// Whether a drag entering a window is for control: it accepts dropped files (nullptr never does)
// and the drag brings some.
bool TakesDrag(const TWinControl* control, const QMimeData* data);
// Hands the files of a drop to control and accepts the drop; a drop without files is refused.
void DeliverDrop(TWinControl* control, QDropEvent& event);
