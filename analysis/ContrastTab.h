#pragma once
// The contrast tab: the rubber band dragged over the picture and the largest, smallest and
// Michelson contrast of the region under it.
#include <cstdint>
#include <optional>

#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"
#include "platform/controls/Input.h"
#include "platform/controls/StatusBar.h"

struct TContrastTabControls {
    TImage* Image9;   // source picture of the tab
    TImage* Image10;  // rubber band overlay; takes the mouse over the picture
    TEdit* Edit9;     // half width
    TEdit* Edit10;    // half height
    TEdit* Edit11;    // largest luminance
    TEdit* Edit12;    // smallest luminance
    TEdit* Edit13;    // contrast
    TStatusBar* StatusBar1;
    TColorDialog* ColorDialog1;  // holds the scan-line colour, used for the band
};

// The main window's drag state, owned by the window.
struct TContrastDragState {
    bool& Dragging;
    TPoint& RegionCenter;
    TPoint& DragCenter;
};

class TContrastTab {
public:
    TContrastTab(const TContrastTabControls& controls, const TContrastDragState& state)
        : c_(controls), s_(state)
    {
    }

    void Image10MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image10MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image10MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Edit9Change(TObject* Sender);

private:
    struct HalfSizes {
        std::int32_t Width, Height;
    };
    HalfSizes ReadHalfSizes() const;
    bool IsAllowed(TPoint center, HalfSizes half) const;
    void ClearOverlay();
    void ShowPixel(TPoint point);
    void ShowStatistics(TPoint center, HalfSizes half);

    TContrastTabControls c_;
    TContrastDragState s_;
    // Where the not-xor band lies on the overlay, if one does. Drawing the same rectangle again is
    // what erases it, so the band is erased exactly where it was drawn and only if it is there.
    std::optional<TRect> band_;
};
