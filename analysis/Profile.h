#pragma once
// Luminance profiles: the measure of every pixel along one row (horizontal profile) or one column
// (vertical profile) of the picture, plotted on a graph, with a scan line marking the row or column
// and the coordinate, maximum and minimum written into their boxes.
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"

enum class TProfileOrientation { Horizontal, Vertical };

struct TProfileSlots {
    TImage* Source;       // the picture; the control's size (not the picture's) bounds the scan
    TImage* Graph;        // value axis down (horizontal) or across (vertical)
    TImage* ScanOverlay;  // expected empty: the caller clears it
    TEdit* CoordinateBox;
    TEdit* MaximumBox;
    TEdit* MinimumBox;
    const TColorDialog* ScanColour;
};

// A row (horizontal) or column (vertical) outside the source control changes nothing. Otherwise
// the graph is cleared before the first pixel is read, so a picture that is not a bitmap leaves an
// empty graph behind its error. Writing the coordinate box runs its change handler, nested.
void DrawProfile(TProfileOrientation orientation, const TProfileSlots& slots, int index);
