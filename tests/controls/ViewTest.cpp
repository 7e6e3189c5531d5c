#include <gtest/gtest.h>

#include "RecordingView.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/UpDown.h"

TEST(View, EveryVisibleChangeIsReportedOnceAndSameValuesAreNot)
{
    TForm form(nullptr);
    auto* status = new TStatusBar(&form);
    auto* edit = new TEdit(&form);
    auto* upDown = new TUpDown(&form);
    for (TControl* control : {static_cast<TControl*>(status), static_cast<TControl*>(edit),
                              static_cast<TControl*>(upDown)})
        control->SetParent(&form);
    TRecordingView view;
    for (TControl* control : {static_cast<TControl*>(&form), static_cast<TControl*>(status),
                              static_cast<TControl*>(edit), static_cast<TControl*>(upDown)})
        control->SetView(&view);

    status->SetSimpleText(" X,Y=(12, 34)   R: 255  G: 128  B: 0");
    status->SetSimpleText(" X,Y=(12, 34)   R: 255  G: 128  B: 0");
    upDown->SetAssociate(edit);
    upDown->Click(TUDBtnType::btNext);
    form.SetCaption("Quorvel ");
    form.SetBounds(0, 0, 678, 600);
    form.Show();
    form.Show();
    EXPECT_EQ(view.Count(status, TViewChange::Text), 1);
    EXPECT_EQ(view.Count(edit, TViewChange::Text), 2);  // "0" on association, then "1"
    EXPECT_EQ(view.Count(upDown, TViewChange::Position), 2);
    EXPECT_EQ(view.Count(&form, TViewChange::Text), 1);
    EXPECT_EQ(view.Count(&form, TViewChange::Bounds), 1);
    EXPECT_EQ(view.Count(&form, TViewChange::Visible), 1);

    delete edit;
    EXPECT_EQ(view.DestroyedSources, (std::vector<TComponent*>{edit}));
    EXPECT_GE(view.Count(&form, TViewChange::Children), 1);
    for (TControl* control : {static_cast<TControl*>(&form), static_cast<TControl*>(status),
                              static_cast<TControl*>(upDown)})
        control->SetView(nullptr);
}

TEST(View, AGraphicControlWithoutItsOwnViewReportsToItsParent)
{
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    TRecordingView parentView, ownView;
    form.SetView(&parentView);
    label->SetCaption("輝度");
    EXPECT_EQ(parentView.Count(label, TViewChange::Text), 1);
    label->SetView(&ownView);
    label->SetCaption("水平座標");
    EXPECT_EQ(ownView.Count(label, TViewChange::Text), 1);
    EXPECT_EQ(parentView.Count(label, TViewChange::Text), 1);
    label->SetView(nullptr);
    form.SetView(nullptr);
}
