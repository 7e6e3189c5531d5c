#pragma once
// The luminance tab: profiles of a row or column of the picture, graph read-off, the pixel read-out
// in the status bar, and the coordinate boxes. The handlers act on the tab's controls whatever
// control raised the event (the contrast tab's graph overlays share the graph handlers).
#include "analysis/GraphReadOff.h"
#include "analysis/Profile.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"
#include "platform/controls/Input.h"
#include "platform/controls/StatusBar.h"

struct TLuminanceTabControls {
    TImage* Image1;  // source picture
    TImage* Image2;  // horizontal graph
    TImage* Image3;  // horizontal scan line overlay
    TImage* Image4;  // vertical graph
    TImage* Image5;  // vertical scan line overlay; takes the mouse over the picture
    TImage* Image6;  // read-off marker over the horizontal graph
    TImage* Image7;  // read-off marker over the vertical graph
    TEdit* Edit1;    // column
    TEdit* Edit2;    // row
    TEdit* Edit3;    // value read off the horizontal graph
    TEdit* Edit4;    // value read off the vertical graph
    TEdit* Edit5;    // horizontal maximum
    TEdit* Edit6;    // vertical maximum
    TEdit* Edit7;    // horizontal minimum
    TEdit* Edit8;    // vertical minimum
    TStatusBar* StatusBar1;
    TColorDialog* ColorDialog1;  // holds the scan-line colour
};

class TLuminanceTab {
public:
    explicit TLuminanceTab(const TLuminanceTabControls& controls) : c_(controls) {}

    void DrawHorizontalProfile(int row);
    void DrawVerticalProfile(int column);

    void Image1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image6MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image6MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image7MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image7MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Edit1Change(TObject* Sender);
    void Edit2Change(TObject* Sender);

private:
    TProfileSlots HorizontalProfileSlots() const;
    TProfileSlots VerticalProfileSlots() const;
    // A click or drag on the picture: the profile, with the marker and value of its graph reset.
    void ProfileRowFromPicture(int row);
    void ProfileColumnFromPicture(int column);
    // A coordinate box's text, typed, stepped or written: "" and "0" do nothing.
    void ProfileFromBox(TEdit& box, TImage& scanOverlay, TProfileOrientation orientation);

    TLuminanceTabControls c_;
};
