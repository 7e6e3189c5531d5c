// The window follows the model after it was built: controls freed or added at run time, tooltips
// asked of the model.
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include "tests/qt/QtWindowFixture.h"

namespace {

using WindowSyncTest = QtWindowFixture;

TEST_F(WindowSyncTest, AFreedControlLosesItsWidgetAndAnAddedOneGetsOne)
{
    delete form->Edit13;
    form->Edit13 = nullptr;
    delete form->Image8;
    form->Image8 = nullptr;
    Settle();
    form->PageControl1->SetActivePage(form->TabSheet2);
    EXPECT_FALSE(Grab(WidgetOf(form->TabSheet2)).isNull());  // paints without the freed image

    auto* added = new TEdit(form);
    added->SetBounds(10, 190, 50, 20);
    added->SetText("新しい");
    added->SetParent(form->Panel2);
    auto* box = WidgetOf<QLineEdit>(added);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), WidgetOf(form->Panel2));
    EXPECT_EQ(box->geometry(), QRect(10, 190, 50, 20));
    EXPECT_EQ(box->text(), QString::fromUtf8("新しい"));
    EXPECT_TRUE(box->isVisible());

    added->SetParent(form->Panel1);  // moved: the widget follows
    EXPECT_EQ(WidgetOf(added)->parentWidget(), WidgetOf(form->Panel1));
}

TEST_F(WindowSyncTest, TooltipsComeFromTheControlUnderThePointer)
{
    QWidget* sheet = WidgetOf(form->TabSheet1);
    const QPoint overPicture = InParentWidget(form->Image5, 10, 10);
    QHelpEvent help(QEvent::ToolTip, overPicture, sheet->mapToGlobal(overPicture));
    application->SetShowHint(false);  // the application-wide switch
    QApplication::sendEvent(sheet, &help);
    EXPECT_FALSE(QToolTip::isVisible());

    application->SetShowHint(true);
    QApplication::sendEvent(sheet, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8(form->Image5->Hint().c_str()));

    const QPoint overGraph = InParentWidget(form->Image6, 10, 10);
    QHelpEvent graphHelp(QEvent::ToolTip, overGraph, sheet->mapToGlobal(overGraph));
    QApplication::sendEvent(sheet, &graphHelp);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("水平輝度"));
}

}  // namespace
