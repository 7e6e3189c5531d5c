#pragma once
// Reading a value off a profile graph: a red marker across the graph at the pointer, and the value
// of the first graph-line pixel under it.
#include "analysis/Profile.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"

struct TGraphReadOffSlots {
    TImage* Graph;
    TImage* Marker;  // overlay over the graph; cleared and redrawn
    TEdit* ValueBox;
};

// Horizontal graph: the marker is column `position`, drawn down to the overlay's width, and the
// graph column is searched from the top. Vertical graph: the marker is row `position`, drawn
// across to the overlay's height, and the graph row is searched from the left. The value box keeps
// its text when no line pixel (a pixel measuring 1) is found.
void ReadGraphAt(TProfileOrientation orientation, const TGraphReadOffSlots& slots, int position);
