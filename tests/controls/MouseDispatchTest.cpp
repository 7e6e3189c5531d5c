#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Bevel.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StatusBar.h"

namespace {

using enum TMouseButton;
using enum TShiftStateFlag;

struct TMouseRecord {
    std::string control;
    std::string event;  // "down", "move", "up", "click"
    TShiftState shift;
    int x, y;
    friend bool operator==(const TMouseRecord&, const TMouseRecord&) = default;
};

std::ostream& operator<<(std::ostream& out, const TMouseRecord& r)
{
    return out << r.control << " " << r.event << " shift=" << int(r.shift.Bits()) << " (" << r.x << "," << r.y << ")";
}

// A tab sheet laid out like the luminance tab's picture corner: a bevel, the picture and two
// transparent overlays of the same bounds on top of it, and a panel.
class Dispatch : public ::testing::Test {
protected:
    Dispatch()
    {
        form.SetBounds(0, 0, 678, 600);
        pages = new TPageControl(&form);
        pages->SetParent(&form);
        pages->SetBounds(4, 1, 669, 577);
        sheet1 = new TTabSheet(&form);
        sheet1->SetName("TabSheet1");
        sheet1->SetPageControl(pages);
        sheet2 = new TTabSheet(&form);
        sheet2->SetPageControl(pages);
        bevel = Add<TBevel>("Bevel1", 292, 251, 343, 276);
        picture = Add<TImage>("Image1", 305, 276, 320, 240);
        scanLine = Add<TImage>("Image3", 305, 276, 320, 240);
        overlay = Add<TImage>("Image5", 305, 276, 320, 240);
        scanLine->SetTransparent(true);
        overlay->SetTransparent(true);
        panel = new TPanel(&form);
        panel->SetName("Panel1");
        panel->SetParent(sheet1);
        panel->SetBounds(30, 24, 240, 223);
        Record(panel);
        hidden = Add<TImage>("Image9", 305, 276, 320, 240, sheet2);
        Record(sheet1);
    }

    template <class T>
    T* Add(const char* name, int left, int top, int width, int height, TWinControl* parent = nullptr)
    {
        auto* control = new T(&form);
        control->SetName(name);
        control->SetParent(parent != nullptr ? parent : sheet1);
        control->SetBounds(left, top, width, height);
        Record(control);
        return control;
    }

    void Record(TControl* control)
    {
        const std::string name = control->Name();
        control->OnMouseDown = [this, name](TObject*, TMouseButton, TShiftState shift, int x, int y) {
            log.push_back({name, "down", shift, x, y});
        };
        control->OnMouseMove = [this, name](TObject*, TShiftState shift, int x, int y) {
            log.push_back({name, "move", shift, x, y});
        };
        control->OnMouseUp = [this, name](TObject*, TMouseButton, TShiftState shift, int x, int y) {
            log.push_back({name, "up", shift, x, y});
        };
        control->OnClick = [this, name](TObject*) { log.push_back({name, "click", {}, 0, 0}); };
    }

    TForm form{nullptr};
    TPageControl* pages;
    TTabSheet *sheet1, *sheet2;
    TBevel* bevel;
    TImage *picture, *scanLine, *overlay, *hidden;
    TPanel* panel;
    std::vector<TMouseRecord> log;
};

}  // namespace

TEST_F(Dispatch, TheTopMostVisibleChildReceivesTheMouseInItsCoordinates)
{
    sheet1->HandleMouseMove({}, 405, 326);
    EXPECT_EQ(log, (std::vector<TMouseRecord>{{"Image5", "move", {}, 100, 50}}));
    log.clear();
    overlay->SetVisible(false);  // hidden: the next one down takes it, transparent or not
    sheet1->HandleMouseMove({}, 405, 326);
    scanLine->SetEnabled(false);  // disabled: skipped as well
    sheet1->HandleMouseMove({}, 405, 326);
    sheet1->HandleMouseMove({}, 293, 252);  // only the bevel there
    sheet1->HandleMouseMove({}, 5, 5);      // nothing there: the sheet itself
    EXPECT_EQ(log, (std::vector<TMouseRecord>{{"Image3", "move", {}, 100, 50},
                                              {"Image1", "move", {}, 100, 50},
                                              {"Bevel1", "move", {}, 1, 1},
                                              {"TabSheet1", "move", {}, 5, 5}}));
}

TEST_F(Dispatch, BoundsAreHalfOpen)
{
    sheet1->HandleMouseMove({}, 305 + 319, 276 + 239);
    sheet1->HandleMouseMove({}, 305 + 320, 276);  // past the right edge: the bevel beneath
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], (TMouseRecord{"Image5", "move", {}, 319, 239}));
    EXPECT_EQ(log[1].control, "Bevel1");
}

TEST_F(Dispatch, WindowedChildrenLieAboveGraphicOnes)
{
    auto* under = Add<TImage>("Under", 30, 24, 50, 50);  // added after the panel, yet beneath it
    (void)under;
    sheet1->HandleMouseMove({}, 40, 34);
    EXPECT_EQ(log, (std::vector<TMouseRecord>{{"Panel1", "move", {}, 10, 10}}));
}

TEST_F(Dispatch, FormLevelInputReachesTheActivePageOnly)
{
    const TPoint onPicture = overlay->ClientToParent(Point(7, 8), &form);
    form.HandleMouseDown(mbLeft, {}, onPicture.X, onPicture.Y);
    form.HandleMouseUp(mbLeft, {}, onPicture.X, onPicture.Y);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], (TMouseRecord{"Image5", "down", {ssLeft}, 7, 8}));
    EXPECT_EQ(log[1].event, "click");
    EXPECT_EQ(log[2], (TMouseRecord{"Image5", "up", {}, 7, 8}));
    log.clear();
    // The second page's image lies at the same place but its page is hidden.
    sheet2->HandleMouseDown(mbLeft, {}, 310, 280);
    sheet2->HandleMouseUp(mbLeft, {}, 310, 280);
    EXPECT_TRUE(log.empty());
    pages->SetActivePage(sheet2);
    form.HandleMouseMove({}, onPicture.X, onPicture.Y);
    EXPECT_EQ(log, (std::vector<TMouseRecord>{{"Image9", "move", {}, 7, 8}}));
}

TEST_F(Dispatch, ThePressedControlKeepsTheMouseUntilEveryButtonIsUp)
{
    sheet1->HandleMouseDown(mbLeft, {}, 310, 280);               // on the overlay at (5, 4)
    sheet1->HandleMouseMove({ssLeft}, 100, 100);                  // far outside it, over the panel
    sheet1->HandleMouseDown(mbRight, {ssLeft}, 90, 90);           // second button, still captured
    sheet1->HandleMouseUp(mbLeft, {ssLeft, ssRight}, 80, 700);    // right still held
    sheet1->HandleMouseMove({ssRight}, 0, 0);
    sheet1->HandleMouseUp(mbRight, {ssRight}, 1000, -5);          // last button up: capture ends
    sheet1->HandleMouseMove({}, 40, 34);                          // the panel again
    const std::vector<TMouseRecord> expected{
        {"Image5", "down", {ssLeft}, 5, 4},
        {"Image5", "move", {ssLeft}, -205, -176},
        {"Image5", "down", {ssLeft, ssRight}, -215, -186},
        {"Image5", "up", {ssRight}, -225, 424},
        {"Image5", "move", {ssRight}, -305, -276},
        {"Image5", "up", {}, 695, -281},
        {"Panel1", "move", {}, 10, 10},
    };
    EXPECT_EQ(log, expected);
}

TEST_F(Dispatch, ClickNeedsTheReleaseInsideTheControl)
{
    sheet1->HandleMouseDown(mbLeft, {}, 310, 280);
    sheet1->HandleMouseUp(mbLeft, {}, 10, 10);  // released outside: no click
    sheet1->HandleMouseDown(mbRight, {}, 310, 280);
    sheet1->HandleMouseUp(mbRight, {}, 310, 280);  // right button: no click either
    for (const TMouseRecord& r : log)
        EXPECT_NE(r.event, "click") << r;
}

TEST_F(Dispatch, ALostReleaseEndsTheCapture)
{
    sheet1->HandleMouseDown(mbLeft, {}, 310, 280);
    sheet1->HandleMouseMove({}, 40, 34);  // no button held any more: the release was lost
    EXPECT_EQ(log.back(), (TMouseRecord{"Panel1", "move", {}, 10, 10}));
    sheet1->HandleMouseDown(mbLeft, {}, 310, 280);
    sheet1->CancelMouseCapture();
    sheet1->HandleMouseMove({ssLeft}, 40, 34);
    EXPECT_EQ(log.back().control, "Panel1");
}

TEST_F(Dispatch, AControlFreedWhileCapturedLosesTheMouse)
{
    sheet1->HandleMouseDown(mbLeft, {}, 310, 280);
    delete overlay;
    sheet1->HandleMouseUp(mbLeft, {}, 310, 280);
    EXPECT_EQ(log.back(), (TMouseRecord{"Image3", "up", {}, 5, 4}));
}

TEST_F(Dispatch, HintsFollowShowHintAndTheParentSwitch)
{
    overlay->SetHint("左クリック|long help");
    overlay->SetShowHint(true);
    EXPECT_FALSE(overlay->ParentShowHint());
    EXPECT_EQ(form.HintAt(overlay->ClientToParent(Point(1, 1), &form)), "左クリック");
    EXPECT_EQ(form.HintControlAt(overlay->ClientToParent(Point(1, 1), &form)), overlay);
    // A control taking the switch from its parent shows its hint only when the parent's is on.
    bevel->SetHint("frame");
    const TPoint onBevel = bevel->ClientToParent(Point(1, 1), &form);
    EXPECT_EQ(form.HintAt(onBevel), "");
    sheet1->SetShowHint(true);
    EXPECT_EQ(form.HintAt(onBevel), "frame");
    // Without a hint of its own the nearest parent's hint shows.
    bevel->SetHint("");
    sheet1->SetHint("sheet");
    EXPECT_EQ(form.HintAt(onBevel), "sheet");
    EXPECT_EQ(form.FindControlAt(Point(-1, 0), true), nullptr);
}
