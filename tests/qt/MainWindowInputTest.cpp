// Input on the real widgets of the main window reaches the model: mouse on the picture, the
// up-downs, typing into a box, the tabs and the menu; errors raised by a handler are shown.
#include <vector>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest/QTest>

#include "platform/qt/PageControlWidget.h"
#include "tests/qt/QtWindowFixture.h"

namespace {

struct MouseRecord {
    char Kind;  // 'd'own, 'm'ove, 'u'p
    TMouseButton Button;
    TShiftState Shift;
    int X, Y;
};

class MainWindowInputTest : public QtWindowFixture {
protected:
    // Records the mouse events that reach a control, then runs the handlers bound to it.
    void Record(TControl* control)
    {
        control->OnMouseDown = [this, down = control->OnMouseDown](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            events.push_back({'d', b, sh, x, y});
            if (down)
                down(s, b, sh, x, y);
        };
        control->OnMouseMove = [this, move = control->OnMouseMove](TObject* s, TShiftState sh, int x, int y) {
            events.push_back({'m', TMouseButton::mbLeft, sh, x, y});
            if (move)
                move(s, sh, x, y);
        };
        control->OnMouseUp = [this, up = control->OnMouseUp](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            events.push_back({'u', b, sh, x, y});
            if (up)
                up(s, b, sh, x, y);
        };
    }

    std::vector<MouseRecord> events;
};

TEST_F(MainWindowInputTest, MouseOnThePictureReachesTheTopMostOverlayInItsCoordinates)
{
    Record(form->Image5);
    QWidget* sheet = WidgetOf(form->TabSheet1);
    ASSERT_NE(sheet, nullptr);

    QTest::mousePress(sheet, Qt::RightButton, Qt::ShiftModifier, InParentWidget(form->Image5, 100, 50));
    QTest::mouseRelease(sheet, Qt::RightButton, Qt::ShiftModifier, InParentWidget(form->Image5, 100, 50));

    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Kind, 'd');
    EXPECT_EQ(events[0].Button, TMouseButton::mbRight);
    EXPECT_TRUE(events[0].Shift.Contains(TShiftStateFlag::ssRight));
    EXPECT_TRUE(events[0].Shift.Contains(TShiftStateFlag::ssShift));
    EXPECT_EQ(events[1].Kind, 'u');
    EXPECT_EQ(events[1].Button, TMouseButton::mbRight);
    EXPECT_FALSE(events[1].Shift.Contains(TShiftStateFlag::ssRight));
    for (const MouseRecord& e : events) {
        EXPECT_EQ(e.X, 100);
        EXPECT_EQ(e.Y, 50);
    }
}

TEST_F(MainWindowInputTest, ADragKeepsTheMouseOnThePictureOutsideItsBounds)
{
    Record(form->Image5);
    QWidget* sheet = WidgetOf(form->TabSheet1);
    const QPoint start = InParentWidget(form->Image5, 10, 10);
    const QPoint outside = InParentWidget(form->Image5, -30, 300);  // left of and below the picture

    QTest::mousePress(sheet, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(outside), sheet->mapToGlobal(QPointF(outside)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sheet, &move);
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, outside);

    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].Kind, 'm');
    EXPECT_TRUE(events[1].Shift.Contains(TShiftStateFlag::ssLeft));
    EXPECT_EQ(events[1].X, -30);
    EXPECT_EQ(events[1].Y, 300);
    EXPECT_EQ(events[2].Kind, 'u');
    EXPECT_EQ(events[2].X, -30);
    EXPECT_EQ(form->TabSheet1->MouseCaptureControl(), nullptr);
}

TEST_F(MainWindowInputTest, MovingWithoutAButtonReachesThePicture)
{
    Record(form->Image5);
    QWidget* sheet = WidgetOf(form->TabSheet1);
    // Qt drops a move to where the pointer already is (as after an earlier run of this test).
    QTest::mouseMove(sheet, InParentWidget(form->Image5, 1, 1));
    QTest::mouseMove(sheet, InParentWidget(form->Image5, 12, 34));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Kind, 'm');
    EXPECT_FALSE(events.back().Shift.AnyButton());
    EXPECT_EQ(events.back().X, 12);
    EXPECT_EQ(events.back().Y, 34);
}

TEST_F(MainWindowInputTest, ADoubleClickArrivesAsAPressWithDouble)
{
    struct Case {
        TControl* Target;
        QWidget* Widget;
        QPoint At;
    };
    const Case cases[] = {
        {form->Image5, WidgetOf(form->TabSheet1), InParentWidget(form->Image5, 10, 10)},
        // The page control's own frame, below its sheets.
        {form->PageControl1, WidgetOf(form->PageControl1), QPoint(2, form->PageControl1->Height() - 2)},
    };
    for (const Case& c : cases) {
        events.clear();
        Record(c.Target);
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(c.At), c.Widget->mapToGlobal(QPointF(c.At)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.Widget, &twice);
        QTest::mouseRelease(c.Widget, Qt::LeftButton, {}, c.At);
        ASSERT_EQ(events.size(), 2u) << c.Target->Name();
        EXPECT_EQ(events[0].Kind, 'd') << c.Target->Name();
        EXPECT_TRUE(events[0].Shift.Contains(TShiftStateFlag::ssDouble)) << c.Target->Name();
        EXPECT_TRUE(events[0].Shift.Contains(TShiftStateFlag::ssLeft)) << c.Target->Name();
        EXPECT_EQ(events[1].Kind, 'u') << c.Target->Name();
    }
}

TEST_F(MainWindowInputTest, UpDownArrowsStepTheBoxAndTheBoxShowsIt)
{
    QWidget* upDown = WidgetOf(form->UpDown1);
    auto* box = WidgetOf<QLineEdit>(form->Edit1);
    ASSERT_NE(upDown, nullptr);
    ASSERT_NE(box, nullptr);
    int changes = 0;
    form->Edit1->OnChange = [&](TObject*) { ++changes; };

    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(7, 3));  // upper arrow
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(7, 3));
    EXPECT_EQ(form->Edit1->Text(), "2");
    EXPECT_EQ(box->text(), "2");
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(7, 16));  // lower arrow
    EXPECT_EQ(form->Edit1->Text(), "1");
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(changes, 3);
}

TEST_F(MainWindowInputTest, TypingGoesThroughTheModelWithItsLengthLimit)
{
    auto* box = WidgetOf<QLineEdit>(form->Edit2);
    std::vector<std::string> seen;
    form->Edit2->OnChange = [&](TObject*) { seen.push_back(form->Edit2->Text()); };

    box->selectAll();
    QTest::keyClicks(box, "12345");
    EXPECT_EQ(form->Edit2->Text(), "123");
    EXPECT_EQ(box->text(), "123");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "12", "123"}));

    QTest::keyClick(box, Qt::Key_Up);  // steps the attached up-down from the box's number
    EXPECT_EQ(form->Edit2->Text(), "124");
    EXPECT_EQ(box->text(), "124");
}

TEST_F(MainWindowInputTest, AProgramSetTextIsShownWholeAndNotReportedBack)
{
    auto* box = WidgetOf<QLineEdit>(form->Edit5);
    int changes = 0;
    form->Edit5->OnChange = [&](TObject*) { ++changes; };
    form->Edit5->SetText("12345");
    EXPECT_EQ(box->text(), "12345");
    EXPECT_EQ(changes, 1);
}

TEST_F(MainWindowInputTest, AnErrorInAHandlerIsShownInTheStopBoxAndTheWindowGoesOn)
{
    form->Image5->OnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("壊れた"); };
    QWidget* sheet = WidgetOf(form->TabSheet1);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, InParentWidget(form->Image5, 5, 5));

    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 1u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Text, "壊れた");
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Caption, "Quorvel 画像分析");
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Flags & 0xF0, MB_ICONSTOP);
    EXPECT_EQ(form->TabSheet1->MouseCaptureControl(), nullptr);

    // An error typed into a box travels the same way.
    form->Edit1->OnChange = [](TObject*) { throw EConvertError("'x' は整数ではありません"); };
    QTest::keyClicks(WidgetOf<QLineEdit>(form->Edit1), "x");
    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 2u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[1].Text, "'x' は整数ではありません");
}

TEST_F(MainWindowInputTest, TheTabsMirrorTheModelsActivePageBothWays)
{
    auto* pages = WidgetOf<TQtPageControlWidget>(form->PageControl1);
    ASSERT_NE(pages, nullptr);
    QTabBar& bar = pages->TabBar();
    ASSERT_EQ(bar.count(), 2);
    EXPECT_EQ(bar.tabText(0), QString::fromUtf8("輝度分析"));
    EXPECT_EQ(bar.tabText(1), QString::fromUtf8("コントラスト分析"));
    EXPECT_EQ(bar.currentIndex(), 0);

    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(1).center());
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet2);
    EXPECT_TRUE(WidgetOf(form->TabSheet2)->isVisible());
    EXPECT_FALSE(WidgetOf(form->TabSheet1)->isVisible());

    form->PageControl1->SetActivePage(form->TabSheet1);
    EXPECT_EQ(bar.currentIndex(), 0);
    EXPECT_TRUE(WidgetOf(form->TabSheet1)->isVisible());

    form->PageControl1->OnChanging = [](TObject*, bool& allow) { allow = false; };
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(1).center());
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_EQ(bar.currentIndex(), 0);
}

TEST_F(MainWindowInputTest, TheMenuBarFollowsTheMainMenuAndRunsItsItems)
{
    QMenuBar* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), QString::fromUtf8("ファイル(&F)"));
    EXPECT_EQ(top[3]->text(), QString::fromUtf8("ヘルプ(&H)"));
    const QList<QAction*> file = top[0]->menu()->actions();
    ASSERT_EQ(file.size(), 5);
    EXPECT_EQ(file[0]->text(), QString::fromUtf8("開く(&O)"));
    EXPECT_TRUE(file[3]->isSeparator());

    window->MenuBar().ActionOf(form->O1)->trigger();  // File > Open: the dialog is asked for
    EXPECT_EQ(fakes.Dialogs.FileRequests.size(), 1u);

    form->C1->SetEnabled(false);
    form->V2->SetCaption("貼り付け(&P)");
    EXPECT_FALSE(window->MenuBar().ActionOf(form->C1)->isEnabled());
    EXPECT_EQ(window->MenuBar().ActionOf(form->V2)->text(), QString::fromUtf8("貼り付け(&P)"));

    auto* added = new TMenuItem(form);
    added->SetCaption("追加(&Z)");
    int clicks = 0;
    added->OnClick = [&](TObject*) { ++clicks; };
    form->H1->Add(added);
    Settle();  // the bar is rebuilt once the event loop runs
    ASSERT_NE(window->MenuBar().ActionOf(added), nullptr);
    window->MenuBar().ActionOf(added)->trigger();
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainWindowInputTest, ClosingTheMainWindowEndsTheProgram)
{
    window->close();
    EXPECT_TRUE(application->Terminated());
}

}  // namespace
